// The registry through the ANSI registry functions that Windows 95/98 have.
#include "stored/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/ansi.h"
#include "stored/registry_backend.h"

namespace stored::win32 {
namespace {

using platform::win32::fromAnsi;
using platform::win32::toAnsi;

class Win32Registry : public RegistryBackend {
 public:
  std::optional<Key> openKey(RootKey root, const std::string& path, bool create,
                             bool readOnly) override;
  void closeKey(Key key) override;
  std::optional<RegistryValue> queryValue(Key key, const std::string& name) override;
  bool setValue(Key key, const std::string& name, const RegistryValue& value) override;
  bool deleteValue(Key key, const std::string& name) override;
};

HKEY rootHandle(RootKey root) {
  switch (root) {
    case RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RootKey::CurrentUser: return HKEY_CURRENT_USER;
    case RootKey::CurrentConfig: return HKEY_CURRENT_CONFIG;
  }
  return HKEY_CURRENT_USER;
}

HKEY handle(RegistryBackend::Key key) { return reinterpret_cast<HKEY>(key); }

ValueType typeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return ValueType::String;
    case REG_EXPAND_SZ: return ValueType::ExpandString;
    case REG_DWORD: return ValueType::Dword;
    case REG_BINARY: return ValueType::Binary;
    default: return ValueType::Other;
  }
}

}  // namespace

std::unique_ptr<Registry> makeWin32Registry() { return std::make_unique<Win32Registry>(); }

std::optional<RegistryBackend::Key> Win32Registry::openKey(RootKey root,
                                                           const std::string& keyPath,
                                                           bool create, bool readOnly) {
  const HKEY from = rootHandle(root);
  const std::string path = toAnsi(keyPath);
  const REGSAM access = readOnly ? KEY_READ : KEY_ALL_ACCESS;
  HKEY key = nullptr;
  LONG result;
  if (create) {
    DWORD disposition = 0;
    result = RegCreateKeyExA(from, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                             nullptr, &key, &disposition);
  } else {
    result = RegOpenKeyExA(from, path.c_str(), 0, access, &key);
  }
  if (result != ERROR_SUCCESS || !key) return std::nullopt;
  return reinterpret_cast<Key>(key);
}

void Win32Registry::closeKey(Key key) { RegCloseKey(handle(key)); }

std::optional<RegistryValue> Win32Registry::queryValue(Key key, const std::string& name) {
  const std::string ansiName = toAnsi(name);
  // Most values are short: one call reads them; a longer one is read again at its full size
  // (and again if it grew meanwhile).
  DWORD type = 0;
  std::string bytes(256, '\0');
  for (;;) {
    DWORD got = static_cast<DWORD>(bytes.size());
    const LONG r = RegQueryValueExA(handle(key), ansiName.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(&bytes[0]), &got);
    if (r == ERROR_MORE_DATA) {
      bytes.resize(got > bytes.size() ? got : bytes.size() * 2);
      continue;
    }
    if (r != ERROR_SUCCESS) return std::nullopt;
    bytes.resize(got);
    break;
  }
  RegistryValue value;
  value.type = typeOf(type);
  if (value.type == ValueType::String || value.type == ValueType::ExpandString) {
    const auto zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    const std::string text = fromAnsi(bytes);
    value.data.assign(text.begin(), text.end());
  } else {
    value.data.assign(bytes.begin(), bytes.end());
  }
  return value;
}

bool Win32Registry::setValue(Key key, const std::string& name, const RegistryValue& value) {
  const std::string ansiName = toAnsi(name);
  std::string bytes;
  DWORD type = REG_BINARY;
  switch (value.type) {
    case ValueType::String:
    case ValueType::ExpandString:
      type = value.type == ValueType::String ? REG_SZ : REG_EXPAND_SZ;
      bytes = toAnsi(std::string(value.data.begin(), value.data.end()));
      bytes.push_back('\0');
      break;
    case ValueType::Dword:
      type = REG_DWORD;
      bytes.assign(value.data.begin(), value.data.end());
      break;
    default:
      bytes.assign(value.data.begin(), value.data.end());
      break;
  }
  return RegSetValueExA(handle(key), ansiName.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(Key key, const std::string& name) {
  return RegDeleteValueA(handle(key), toAnsi(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace stored::win32
