#pragma once
// A clock change asked for on the command line, carried out without the main window: the clock
// through the configured tool, the game in its own folder, and the default clock back on every
// way out.
#include <optional>
#include <string>

#include "overclock/command_line.h"
#include "platform/program_runner.h"
#include "platform/services.h"

namespace overclock {

// The program's exit codes from the command line.
constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;      // bad input, a refused clock, a game that did not start
constexpr int kExitToolFailed = 2;   // the clock tool could not be run, or said it failed

// Carries out a request (any action but OpenWindow) and returns the exit code.
int carryOut(const CommandLineRequest& request, platform::Services& services,
             platform::ProgramRunner& runner);

// The entry's one call: nothing when the command line asks for the window, else the exit code
// once the request has been carried out.
std::optional<int> runCommandLine(const std::string& commandLine, platform::Services& services,
                                  platform::ProgramRunner& runner);

}  // namespace overclock
