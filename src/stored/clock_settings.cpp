#include "stored/clock_settings.h"

#include <cstdint>

namespace stored {
namespace {

constexpr const char* kLastClock = "OverClock";
constexpr const char* kToolPath = "Mystclk";
constexpr const char* kConfirmedClock = "ConfirmedClock";

// A stored clock, or nothing when it does not fit a 16-bit clock.
std::optional<int> clockIn(RegistryKey& key, const char* name) {
  const auto value = key.integer(name);
  if (!value || *value < INT16_MIN || *value > INT16_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

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

ClockSettings::ClockSettings(platform::RegistryBackend& registry, Access access)
    : key_(registry, keys::kDriverSettings, access) {}

std::optional<int> ClockSettings::lastClock() { return clockIn(key_, kLastClock); }

void ClockSettings::storeLastClock(int mhz) { key_.writeInteger(kLastClock, mhz); }

std::optional<int> ClockSettings::limit(ClockLimit which) { return clockIn(key_, nameOf(which)); }

void ClockSettings::storeLimit(ClockLimit which, int mhz) { key_.writeInteger(nameOf(which), mhz); }

std::optional<std::string> ClockSettings::toolPath() { return key_.textIfPresent(kToolPath); }

void ClockSettings::storeToolPath(const std::string& path) { key_.writeText(kToolPath, path); }

ConfirmedClock::ConfirmedClock(platform::RegistryBackend& registry, Access access)
    : key_(registry, keys::kCorvane, access) {}

std::optional<int> ConfirmedClock::highest() { return clockIn(key_, kConfirmedClock); }

void ConfirmedClock::recordKept(int mhz) {
  const auto before = highest();
  if (before && *before >= mhz) return;
  key_.writeInteger(kConfirmedClock, mhz);
}

}  // namespace stored
