#pragma once
// The raw registry, as little of it as the settings store needs. Two implementations: the real
// Win32 registry (platform/win32) and an in-memory one for tests (tests/doubles). Everything with
// rules of its own (paths, error messages, type checks) lives in SettingsStore, written once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RootKey { LocalMachine, CurrentUser, CurrentConfig };

enum class ValueType { String, ExpandString, Dword, Binary, Other };

struct RegistryValue {
  ValueType type = ValueType::Binary;
  // Strings are UTF-8 text without a terminating zero; the Win32 backend converts at its edge.
  // Dwords are 4 bytes, little-endian. Binary is as stored.
  std::vector<std::uint8_t> data;

  friend bool operator==(const RegistryValue& a, const RegistryValue& b) {
    return a.type == b.type && a.data == b.data;
  }
};

class RegistryBackend {
 public:
  using Key = std::uintptr_t;  // an open key; 0 never names one

  virtual ~RegistryBackend() = default;

  // Opens `subPath` (backslash-separated, possibly empty) below `parent`, or below `root` when
  // parent is 0. With `create`, missing keys (and parents) are made. Returns nothing on failure.
  virtual std::optional<Key> openKey(RootKey root, Key parent, const std::string& subPath,
                                     bool create, bool readOnly) = 0;
  virtual void closeKey(Key key) = 0;
  virtual std::optional<RegistryValue> queryValue(Key key, const std::string& name) = 0;
  virtual bool setValue(Key key, const std::string& name, const RegistryValue& value) = 0;
  virtual bool deleteValue(Key key, const std::string& name) = 0;
};

}  // namespace platform
