#pragma once
// The board's PIN block read through the BIOS utility, which lives beside the clock tool.
#include <string>

#include "pins/pin_text.h"
#include "platform/services.h"

namespace pins {

// Starts the utility in `toolFolder` to dump the PIN block beside the kept dump, then tells the
// user it ran: the user's OK is the wait for it, its exit is never awaited.
void runBiosUtility(platform::Services& services, const std::string& toolFolder);

// Moves what the utility wrote over the kept dump and reads the dump. A run that wrote nothing
// leaves an earlier dump as it was; a dump that cannot be read throws as the file seam does.
PinText takeDump(platform::TextFiles& files, const std::string& toolFolder);

}  // namespace pins
