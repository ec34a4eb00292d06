#pragma once
// Every registry key the program reads or writes, each named once, and one key held open for as
// long as its object lives. A key that cannot be opened is no key at all: its reads find
// nothing and its writes raise the store's error; no other key is ever reached in its place.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stored/registry.h"

namespace stored {

struct Location {
  RootKey root;
  const char* path;  // from the root, with a leading backslash
};

namespace keys {

// The display driver's options, the clock values and the clock tool's path.
inline constexpr Location kDriverSettings{RootKey::LocalMachine,
                                          "\\Software\\Matrox\\PowerDesk\\Current Settings"};
// PowerDesk's own key: its folder.
inline constexpr Location kPowerDesk{RootKey::LocalMachine,
                                     "\\Software\\Matrox\\PowerDesk"};
// PowerDesk's entry in the list of installed programs: its name and version.
inline constexpr Location kPowerDeskUninstall{
    RootKey::LocalMachine,
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk"};
// The display adapters' class key; each adapter is a numbered key below it ("0000").
inline constexpr Location kDisplayClass{RootKey::LocalMachine,
                                        "\\System\\CurrentControlSet\\Services\\Class\\Display"};
// The colour depth and resolution in use.
inline constexpr Location kDisplaySettings{RootKey::CurrentConfig,
                                           "\\Display\\Settings"};
// The programs Windows starts at every start-up for every user: the clock at start-up.
inline constexpr Location kMachineRun{RootKey::LocalMachine,
                                      "\\Software\\Microsoft\\Windows\\CurrentVersion\\run"};
// The programs Windows starts when this user logs on: QuickDesk.
inline constexpr Location kUserRun{RootKey::CurrentUser,
                                   "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
// Corvane's own key, for what belongs to no other program: the highest clock kept with OK.
inline constexpr Location kCorvane{RootKey::LocalMachine, "\\Software\\Corvane"};
// The three games' settings.
inline constexpr Location kUnreal{RootKey::LocalMachine,
                                  "\\SOFTWARE\\Microsoft\\UnrealD3D"};
inline constexpr Location kNeedForSpeed3{RootKey::LocalMachine,
                                         "\\Software\\Electronic Arts\\Need For Speed III"};
inline constexpr Location kForsaken{RootKey::LocalMachine,
                                    "\\Software\\Acclaim Entertainment\\Forsaken\\1.00"};

}  // namespace keys

enum class Access {
  CreateIfMissing,   // made (with its parents) when missing; writable
  ExistingReadOnly,  // only when it is there; for reading
};

class RegistryBackend;

class RegistryKey {
 public:
  // Opens the key at `where`, or the key `below` it when given ("0003").
  RegistryKey(Registry& registry, const Location& where, Access access,
              const std::string& below = "");
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  bool isOpen() const { return key_ != 0; }
  bool has(const char* name);
  // Missing, empty (or no key): the empty text, cut at a zero byte. Another type: the wrong-type
  // error.
  std::string text(const char* name);
  // Missing (or no key): nothing.
  std::optional<std::string> textIfPresent(const char* name);
  // Missing: nothing. Not a 4-byte number: the wrong-type error.
  std::optional<std::int32_t> integer(const char* name);
  // Missing: nothing. Text, a number, or more than `capacity` bytes: the wrong-type error.
  std::optional<std::vector<std::uint8_t>> bytes(const char* name, std::size_t capacity);
  // Whatever is stored, of any type; nothing when missing.
  std::optional<RegistryValue> value(const char* name);

  // A refused write, or one with no key or a key opened only to look, raises the write-failed
  // error.
  void writeText(const char* name, const std::string& text);
  void writeInteger(const char* name, std::int32_t value);
  void writeBytes(const char* name, const std::vector<std::uint8_t>& bytes);
  void writeValue(const char* name, const RegistryValue& value);
  // Gone afterwards: a value that was not there is fine. One still there afterwards, or no key
  // to delete it from (or one opened only to look), raises the deletion-failed error.
  void remove(const char* name);

 private:
  RegistryBackend& backend_;
  std::uintptr_t key_ = 0;
  // Windows 95/98 write through a key opened for reading as through any other: the refusal is
  // this class's, so that a look never changes anything on either system.
  bool readOnly_;
};

}  // namespace stored
