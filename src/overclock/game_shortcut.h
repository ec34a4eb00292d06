#pragma once
// What a game's shortcut is made of, apart from its window: the clocks it may carry, the command
// line it hands corvane.exe, and the checks of the game and of the shortcut's name.
#include <optional>
#include <string>

#include "overclock/clock_profile.h"
#include "overclock/clock_service.h"
#include "platform/shortcuts.h"
#include "platform/text.h"

namespace overclock {

// The clocks a shortcut may carry, those the command line would accept today, and what the
// refusals say about the others. The one place that knows the command line's policy for the
// window.
struct AcceptedClocks {
  ClockRange range{kInitialDefaultClock, kInitialDefaultClock};  // what the spin offers
  int highestLimit = kInitialMaximumClock;  // above it a clock is outside the limits
  bool confirmedAboveDefault = false;       // below it, a clock above the range is unconfirmed
  bool any = true;  // false when not even the lowest clock of the limits may run yet
};
// The clock service's own rule for the command line, over the limits: from the lowest clock up
// to the last one it accepts (the factory default or the confirmed clock, whichever is higher).
AcceptedClocks commandLineClocks(ClockService& clock);

// `/clock N /run "game"`, as parseCommandLine reads it back; the path always in quotes.
std::string shortcutArguments(int mhz, const std::string& game);

// The folder of a path: the platform's.
using platform::folderOfPath;
// The file's name without its folder.
std::string fileNameOf(const std::string& path);
// The name a shortcut gets at first: the game's file name without its extension.
std::string defaultShortcutName(const std::string& game);

// True for a file Windows starts as a program by its extension: .exe, .com or .bat.
bool isProgramFileName(const std::string& path);

// The name with the blanks around it taken off, as Explorer takes them off.
std::string trimmedName(const std::string& name);
// Why Windows cannot use this (trimmed) name for a file, or nothing when it can: empty, only
// dots, a character of \ / : * ? " < > | or a control character, a name of a device (CON,
// PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension), or a final dot.
std::optional<std::string> shortcutNameProblem(const std::string& name);

// The .lnk file of that name in a folder.
std::string shortcutPath(const std::string& folder, const std::string& name);

}  // namespace overclock
