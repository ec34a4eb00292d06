#include "stored/clock_settings.h"

#include <cstdint>

namespace stored {
namespace {

constexpr const char* kLastClock = "OverClock";
constexpr const char* kToolPath = "Mystclk";

const char* nameOf(ClockLimit which) {
  switch (which) {
    case ClockLimit::Default89: return "OverClockDEF89";
    case ClockLimit::Maximum89: return "OverClockMAX89";
    case ClockLimit::Default66: return "OverClockDEF66";
    case ClockLimit::Maximum66: return "OverClockMAX66";
  }
  return "OverClockDEF89";
}

}  // namespace

ClockSettings::ClockSettings(platform::RegistryBackend& registry)
    : key_(registry, keys::kDriverSettings, Access::CreateIfMissing) {}

std::optional<int> ClockSettings::clock(const char* name) {
  const auto value = key_.integer(name);
  if (!value || *value < INT16_MIN || *value > INT16_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<int> ClockSettings::lastClock() { return clock(kLastClock); }

void ClockSettings::storeLastClock(int mhz) { key_.writeInteger(kLastClock, mhz); }

std::optional<int> ClockSettings::limit(ClockLimit which) { return clock(nameOf(which)); }

void ClockSettings::storeLimit(ClockLimit which, int mhz) { key_.writeInteger(nameOf(which), mhz); }

std::optional<std::string> ClockSettings::toolPath() { return key_.textIfPresent(kToolPath); }

void ClockSettings::storeToolPath(const std::string& path) { key_.writeText(kToolPath, path); }

}  // namespace stored
