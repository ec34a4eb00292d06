#pragma once
// The registry as everything outside this folder holds it: a handle to hand to the settings
// objects, with nothing on it to open a key, read or write. What can do that is declared in
// stored/registry_backend.h, which only this folder and the registry's two implementations (the
// real one in stored/win32, the in-memory one of the tests) may include; the build refuses it
// anywhere else.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace stored {

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

class Registry {
 public:
  virtual ~Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

 private:
  // Only a backend is a registry, so a RegistryKey may take any handle for one.
  friend class RegistryBackend;
  Registry() = default;
};

}  // namespace stored
