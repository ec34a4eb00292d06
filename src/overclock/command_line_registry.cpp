#include "overclock/command_line_registry.h"

#include <algorithm>

#include "overclock/clock_profile.h"
#include "platform/text.h"
#include "stored/clock_settings.h"
#include "stored/display_detection.h"

namespace overclock {

using stored::Access;

CommandLineClockSettings readCommandLineClockSettings(platform::RegistryBackend& registry,
                                                      const std::string& programFolder) {
  CommandLineClockSettings settings;
  // The display mode as the main window reads it at start-up; a colour depth that is no number
  // leaves no profile active there too. Nothing is made that is not there.
  stored::DisplayDetection display(registry, Access::ExistingReadOnly);
  const long bits = platform::wholeNumber(display.bitsPerPixel().value_or("")).value_or(0);
  const auto profile = chooseClockProfile(bits, display.resolution().value_or(""));
  settings.confirmedClock = stored::ConfirmedClock(registry, Access::ExistingReadOnly).highest();

  stored::ClockSettings clocks(registry, Access::ExistingReadOnly);
  int maximum = kInitialMaximumClock;
  settings.defaultClock = kInitialDefaultClock;
  if (profile) {
    // Clamped into what the options window allows, as the page takes them in.
    const ClockProfileInfo& info = profileInfo(*profile);
    if (const auto stored = clocks.limit(info.defaultLimit))
      settings.defaultClock = info.defaultRange.clamp(*stored);
    if (const auto stored = clocks.limit(info.maximumLimit))
      maximum = info.maximumRange.clamp(*stored);
  }
  settings.lowestClock = std::min(settings.defaultClock, maximum);
  settings.highestClock = std::max(settings.defaultClock, maximum);

  if (auto path = clocks.toolPath()) {
    settings.toolPath = std::move(*path);
  } else {
    // A drive's root keeps its backslash ("C:\").
    const bool bare = programFolder.empty() || programFolder.back() == '\\';
    settings.toolPath = programFolder + (bare ? "" : "\\") + "G200clk.exe";
  }
  return settings;
}

}  // namespace overclock
