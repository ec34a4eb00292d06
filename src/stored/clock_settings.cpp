#include "stored/clock_settings.h"

#include <cstdint>

namespace stored {
namespace {

constexpr const char* kLastClock = "OverClock";
constexpr const char* kToolPath = "Mystclk";
constexpr const char* kConfirmedClock = "ConfirmedClock";
constexpr const char* kConfirmedTool = "ConfirmedTool";
constexpr const char* kConfirmedAdapter = "ConfirmedAdapter";

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

ClockSettings::ClockSettings(Registry& registry, Access access)
    : key_(registry, keys::kDriverSettings, access) {}

std::optional<int> ClockSettings::lastClock() { return clockIn(key_, kLastClock); }

void ClockSettings::storeLastClock(int mhz) { key_.writeInteger(kLastClock, mhz); }

std::optional<int> ClockSettings::limit(ClockLimit which) { return clockIn(key_, nameOf(which)); }

void ClockSettings::storeLimit(ClockLimit which, int mhz) { key_.writeInteger(nameOf(which), mhz); }

std::optional<std::string> ClockSettings::toolPath() { return key_.textIfPresent(kToolPath); }

void ClockSettings::storeToolPath(const std::string& path) { key_.writeText(kToolPath, path); }

ConfirmedClock::ConfirmedClock(Registry& registry, Access access)
    : key_(registry, keys::kCorvane, access) {}

std::optional<int> ConfirmedClock::highest(const std::string& toolKind,
                                           const std::string& adapter) {
  const auto clock = clockIn(key_, kConfirmedClock);
  if (!clock || key_.textIfPresent(kConfirmedTool) != toolKind ||
      key_.textIfPresent(kConfirmedAdapter) != adapter)
    return std::nullopt;
  return clock;
}

void ConfirmedClock::recordKept(int mhz, const std::string& toolKind,
                                const std::string& adapter) {
  const auto before = highest(toolKind, adapter);
  if (before && *before >= mhz) return;
  // A record kept with another tool or adapter goes first, and the clock comes last: a record
  // cut short by a refused write never lends its clock to the new tool.
  if (!before) forget();
  key_.writeText(kConfirmedTool, toolKind);
  key_.writeText(kConfirmedAdapter, adapter);
  key_.writeInteger(kConfirmedClock, mhz);
}

void ConfirmedClock::forget() {
  // The clock first: once it is gone nothing counts, whatever becomes of the rest.
  for (const char* name : {kConfirmedClock, kConfirmedTool, kConfirmedAdapter})
    if (key_.has(name)) key_.remove(name);
}

bool ConfirmedClock::recorded() { return key_.has(kConfirmedClock); }

bool ConfirmedClock::keptWithAnotherAdapter(const std::string& adapter) {
  return key_.has(kConfirmedClock) && key_.textIfPresent(kConfirmedAdapter) != adapter;
}

}  // namespace stored
