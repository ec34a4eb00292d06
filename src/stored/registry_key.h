#pragma once
// Every registry key the program reads or writes, each named once, and one key held open for as
// long as its object lives. A key that cannot be opened is no key at all: its reads find
// nothing and its writes raise the store's error; no other key is ever reached in its place.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/settings_store.h"

namespace stored {

struct Location {
  platform::RootKey root;
  const char* path;  // from the root, with a leading backslash
};

namespace keys {

// The display driver's options, the clock values and the clock tool's path.
inline constexpr Location kDriverSettings{platform::RootKey::LocalMachine,
                                          "\\Software\\Matrox\\PowerDesk\\Current Settings"};
// PowerDesk's own key: its folder.
inline constexpr Location kPowerDesk{platform::RootKey::LocalMachine,
                                     "\\Software\\Matrox\\PowerDesk"};
// PowerDesk's entry in the list of installed programs: its name and version.
inline constexpr Location kPowerDeskUninstall{
    platform::RootKey::LocalMachine,
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk"};
// The display adapters' class key; each adapter is a numbered key below it ("0000").
inline constexpr Location kDisplayClass{platform::RootKey::LocalMachine,
                                        "\\System\\CurrentControlSet\\Services\\Class\\Display"};
// The colour depth and resolution in use.
inline constexpr Location kDisplaySettings{platform::RootKey::CurrentConfig,
                                           "\\Display\\Settings"};
// The programs Windows starts at every start-up for every user: the clock at start-up.
inline constexpr Location kMachineRun{platform::RootKey::LocalMachine,
                                      "\\Software\\Microsoft\\Windows\\CurrentVersion\\run"};
// The programs Windows starts when this user logs on: QuickDesk.
inline constexpr Location kUserRun{platform::RootKey::CurrentUser,
                                   "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
// Corvane's own key, for what belongs to no other program: the highest clock kept with OK.
inline constexpr Location kCorvane{platform::RootKey::LocalMachine, "\\Software\\Corvane"};
// The three games' settings.
inline constexpr Location kUnreal{platform::RootKey::LocalMachine,
                                  "\\SOFTWARE\\Microsoft\\UnrealD3D"};
inline constexpr Location kNeedForSpeed3{platform::RootKey::LocalMachine,
                                         "\\Software\\Electronic Arts\\Need For Speed III"};
inline constexpr Location kForsaken{platform::RootKey::LocalMachine,
                                    "\\Software\\Acclaim Entertainment\\Forsaken\\1.00"};

}  // namespace keys

enum class Access {
  CreateIfMissing,   // made (with its parents) when missing; writable
  ExistingReadOnly,  // only when it is there; for reading
};

class RegistryKey {
 public:
  // Opens the key at `where`, or the key `below` it when given ("0003").
  RegistryKey(platform::RegistryBackend& registry, const Location& where, Access access,
              const std::string& below = "");

  bool isOpen() const { return store_.hasOpenKey(); }
  bool has(const char* name) { return store_.ValueExists(name); }
  // Missing (or no key): the empty text. Another type: the store's wrong-type error.
  std::string text(const char* name) { return store_.ReadString(name); }
  // Missing (or no key): nothing.
  std::optional<std::string> textIfPresent(const char* name);
  std::optional<std::int32_t> integer(const char* name);
  std::optional<std::vector<std::uint8_t>> bytes(const char* name, std::size_t capacity);
  std::optional<platform::RegistryValue> value(const char* name) { return store_.ReadValue(name); }

  void writeText(const char* name, const std::string& text) { store_.WriteString(name, text); }
  void writeInteger(const char* name, std::int32_t value) { store_.WriteInteger(name, value); }
  void writeBytes(const char* name, const std::vector<std::uint8_t>& bytes) {
    store_.WriteBinaryData(name, bytes);
  }
  void writeValue(const char* name, const platform::RegistryValue& value) {
    store_.WriteValue(name, value);
  }
  // Gone afterwards, or the store's deletion error.
  void remove(const char* name) { store_.RemoveValue(name); }

 private:
  platform::SettingsStore store_;
};

}  // namespace stored
