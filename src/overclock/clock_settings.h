#pragma once
// Where the clock settings live in the registry, and how a stored clock is read.
#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace overclock {

// The clock values and the tool path live in the driver's key; the start-up entry in the
// machine's Run key (platform/registry_locations.h).
extern const char* const kLastClockValue;     // "OverClock"
extern const char* const kToolPathValue;      // "Mystclk"
extern const char* const kStartupEntryValue;  // "G200 OverClock"

// A stored clock, or nothing when it is missing or does not fit a 16-bit clock (no clock
// control holds more, so such a value was not written by this program). A value of another type
// raises the store's error.
std::optional<int> readStoredClock(platform::SettingsStore& reg, const std::string& name);

}  // namespace overclock
