#include "overclock/command_line_registry.h"

#include <algorithm>

#include "overclock/clock_profile.h"
#include "overclock/clock_settings.h"
#include "platform/registry_locations.h"
#include "platform/settings_store.h"
#include "platform/text.h"

namespace overclock {

using platform::KeyAccess;
namespace keys = platform::keys;

const char* const kConfirmedClockValue = "ConfirmedClock";

namespace {

// The display mode as the main window reads it at start-up; a colour depth that is no number
// leaves no profile active there too.
std::optional<ClockProfile> activeProfile(platform::SettingsStore& reg) {
  if (!platform::openLocation(reg, keys::kDisplaySettings, KeyAccess::ExistingReadOnly))
    return std::nullopt;
  long bits = 0;
  if (reg.ValueExists("BitsPerPixel"))
    bits = platform::wholeNumber(reg.ReadString("BitsPerPixel")).value_or(0);
  const std::string resolution = reg.ValueExists("Resolution") ? reg.ReadString("Resolution") : "";
  return chooseClockProfile(bits, resolution);
}

std::optional<int> confirmedClock(platform::SettingsStore& reg) {
  if (!platform::openLocation(reg, keys::kCorvane, KeyAccess::ExistingReadOnly))
    return std::nullopt;
  return readStoredClock(reg, kConfirmedClockValue);
}

}  // namespace

CommandLineClockSettings readCommandLineClockSettings(platform::RegistryBackend& registry,
                                                      const std::string& programFolder) {
  platform::SettingsStore reg(registry);
  CommandLineClockSettings settings;
  const auto profile = activeProfile(reg);
  settings.confirmedClock = confirmedClock(reg);

  int maximum = kInitialMaximumClock;
  settings.defaultClock = kInitialDefaultClock;
  const bool driverKey =
      platform::openLocation(reg, keys::kDriverSettings, KeyAccess::ExistingReadOnly);
  if (driverKey && profile) {
    // Clamped into what the options window allows, as the page takes them in.
    const ClockProfileInfo& info = profileInfo(*profile);
    if (const auto stored = readStoredClock(reg, info.defaultValueName))
      settings.defaultClock = info.defaultRange.clamp(*stored);
    if (const auto stored = readStoredClock(reg, info.maximumValueName))
      maximum = info.maximumRange.clamp(*stored);
  }
  settings.lowestClock = std::min(settings.defaultClock, maximum);
  settings.highestClock = std::max(settings.defaultClock, maximum);

  if (driverKey && reg.ValueExists(kToolPathValue)) {
    settings.toolPath = reg.ReadString(kToolPathValue);
  } else {
    // A drive's root keeps its backslash ("C:\").
    const bool bare = programFolder.empty() || programFolder.back() == '\\';
    settings.toolPath = programFolder + (bare ? "" : "\\") + "G200clk.exe";
  }
  return settings;
}

void storeLastClock(platform::RegistryBackend& registry, int mhz) {
  platform::SettingsStore reg(registry);
  platform::openLocation(reg, keys::kDriverSettings, KeyAccess::CreateIfMissing);
  reg.WriteInteger(kLastClockValue, mhz);
}

void recordKeptClock(platform::RegistryBackend& registry, int mhz) {
  platform::SettingsStore reg(registry);
  platform::openLocation(reg, keys::kCorvane, KeyAccess::CreateIfMissing);
  const auto before = readStoredClock(reg, kConfirmedClockValue);
  if (before && *before >= mhz) return;
  reg.WriteInteger(kConfirmedClockValue, mhz);
}

}  // namespace overclock
