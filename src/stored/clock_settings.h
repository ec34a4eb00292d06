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
  explicit ClockSettings(Registry& registry,
                         Access access = Access::CreateIfMissing);

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
  RegistryKey key_;
};

// The highest clock the user has kept with OK in the countdown on this machine, in Corvane's own
// key, with what it was kept with: the clock tool's kind and the display adapter. It counts only
// while both are still the same; the command line and the start-up entry never go higher.
class ConfirmedClock {
 public:
  explicit ConfirmedClock(Registry& registry,
                          Access access = Access::CreateIfMissing);
  // Nothing when none was kept, or when it was kept with another tool kind or adapter.
  std::optional<int> highest(const std::string& toolKind, const std::string& adapter);
  // Kept at `mhz`: it becomes the highest unless a higher one was kept before with the same tool
  // kind and adapter.
  void recordKept(int mhz, const std::string& toolKind, const std::string& adapter);
  // Nothing counts as confirmed any more (the settings removal; another adapter). A missing
  // record is fine.
  void forget();
  // True when any clock is recorded, whatever it was kept with.
  bool recorded();
  // True when a clock is recorded, kept with another adapter than `adapter`.
  bool keptWithAnotherAdapter(const std::string& adapter);

 private:
  RegistryKey key_;
};

}  // namespace stored
