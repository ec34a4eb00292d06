#pragma once
// What a clock change from the command line reads, through the settings objects: the tool's
// path and the active profile's limits as the window keeps them, and the highest clock the user
// has kept with OK in the countdown. (It stores the clock through stored::ClockSettings.)
#include <optional>
#include <string>

#include "platform/registry.h"

namespace overclock {

// What the window would work with if it were opened now.
struct CommandLineClockSettings {
  std::string toolPath;        // as stored, or G200clk.exe beside the program
  int defaultClock = 89;       // the active profile's, as 初期設定 restores it
  int lowestClock = 89;        // the target spin's range, as the limits window leaves it
  int highestClock = 135;
  std::optional<int> confirmedClock;  // the highest clock kept with OK, if any
};
CommandLineClockSettings readCommandLineClockSettings(platform::RegistryBackend& registry,
                                                      const std::string& programFolder);

}  // namespace overclock
