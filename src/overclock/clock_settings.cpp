#include "overclock/clock_settings.h"

#include <cstdint>

namespace overclock {

const char* const kLastClockValue = "OverClock";
const char* const kToolPathValue = "Mystclk";
const char* const kStartupEntryValue = "G200 OverClock";

std::optional<int> readStoredClock(platform::SettingsStore& reg, const std::string& name) {
  if (!reg.ValueExists(name)) return std::nullopt;
  const std::int32_t value = reg.ReadInteger(name);
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace overclock
