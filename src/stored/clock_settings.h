#pragma once
// The clock values in the driver's key: the clock last left on the chip, the four limits of the
// options window, and the clock tool's path.
#include <optional>
#include <string>

#include "stored/registry_key.h"

namespace stored {

// The options window's four limits, by profile (the default clock names the profile).
enum class ClockLimit { Default89, Maximum89, Default66, Maximum66 };

class ClockSettings {
 public:
  explicit ClockSettings(platform::RegistryBackend& registry);

  // A stored clock, or nothing when it is missing or does not fit a 16-bit clock (no clock
  // control holds more, so such a value was not written by this program). A value of another
  // type raises the store's error.
  std::optional<int> lastClock();
  void storeLastClock(int mhz);
  std::optional<int> limit(ClockLimit which);
  void storeLimit(ClockLimit which, int mhz);

  std::optional<std::string> toolPath();
  void storeToolPath(const std::string& path);

 private:
  std::optional<int> clock(const char* name);

  RegistryKey key_;
};

}  // namespace stored
