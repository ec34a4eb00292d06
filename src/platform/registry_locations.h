#pragma once
// Every registry key the program reads or writes, each named once, and the one way to open one.
#include <string>

#include "platform/settings_store.h"

namespace platform {

struct RegistryLocation {
  RootKey root;
  const char* path;  // from the root, with a leading backslash
};

namespace keys {

// The display driver's options, the clock values and the clock tool's path.
inline constexpr RegistryLocation kDriverSettings{
    RootKey::LocalMachine, "\\Software\\Matrox\\PowerDesk\\Current Settings"};
// PowerDesk's own key: its folder ("PDeskPath").
inline constexpr RegistryLocation kPowerDesk{RootKey::LocalMachine,
                                             "\\Software\\Matrox\\PowerDesk"};
// PowerDesk's entry in the list of installed programs: its name and version ("DisplayName").
inline constexpr RegistryLocation kPowerDeskUninstall{
    RootKey::LocalMachine,
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk"};
// The display adapters' class key; each adapter is a numbered key below it ("0000").
inline constexpr RegistryLocation kDisplayClass{
    RootKey::LocalMachine, "\\System\\CurrentControlSet\\Services\\Class\\Display"};
// The colour depth and resolution in use.
inline constexpr RegistryLocation kDisplaySettings{RootKey::CurrentConfig, "\\Display\\Settings"};
// The programs Windows starts at every start-up for every user: the clock at start-up.
inline constexpr RegistryLocation kMachineRun{
    RootKey::LocalMachine, "\\Software\\Microsoft\\Windows\\CurrentVersion\\run"};
// The programs Windows starts when this user logs on: QuickDesk.
inline constexpr RegistryLocation kUserRun{RootKey::CurrentUser,
                                           "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
inline constexpr const char* kQuickDeskRunValue = "Matrox QuickDesk";
// Corvane's own key, for what belongs to no other program: the highest clock kept with OK.
inline constexpr RegistryLocation kCorvane{RootKey::LocalMachine, "\\Software\\Corvane"};

// The three games' settings.
inline constexpr RegistryLocation kUnreal{RootKey::LocalMachine,
                                          "\\SOFTWARE\\Microsoft\\UnrealD3D"};
inline constexpr RegistryLocation kNeedForSpeed3{
    RootKey::LocalMachine, "\\Software\\Electronic Arts\\Need For Speed III"};
inline constexpr RegistryLocation kForsaken{
    RootKey::LocalMachine, "\\Software\\Acclaim Entertainment\\Forsaken\\1.00"};

}  // namespace keys

enum class KeyAccess {
  CreateIfMissing,   // made (with its parents) when missing; writable
  ExistingReadOnly,  // only when it is there; for reading
};

// Takes the location's root and opens its key, or the key `below` it when given ("0003").
// False when the key cannot be opened; the store's previous key then stays open and current.
bool openLocation(SettingsStore& reg, const RegistryLocation& where, KeyAccess access,
                  const std::string& below = "");

}  // namespace platform
