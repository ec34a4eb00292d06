#pragma once
// Where the clock settings live in the registry, and how a stored clock is read.
#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace overclock {

// HKEY_LOCAL_MACHINE: the driver's key, which also holds the clock values and the tool path.
extern const char* const kSettingsKey;  // "\Software\Matrox\PowerDesk\Current Settings"
// HKEY_LOCAL_MACHINE: the programs Windows starts at every start-up.
extern const char* const kRunKey;       // "\Software\Microsoft\Windows\CurrentVersion\run"

extern const char* const kLastClockValue;     // "OverClock"
extern const char* const kToolPathValue;      // "Mystclk"
extern const char* const kStartupEntryValue;  // "G200 OverClock"

// Takes root HKEY_LOCAL_MACHINE and opens a key, creating it when missing.
void openMachineKey(platform::SettingsStore& reg, const char* path);

// A stored clock, or nothing when it is missing or does not fit a 16-bit clock (no clock
// control holds more, so such a value was not written by this program). A value of another type
// raises the store's error.
std::optional<int> readStoredClock(platform::SettingsStore& reg, const std::string& name);

}  // namespace overclock
