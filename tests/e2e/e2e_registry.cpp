// The registry as the 32-bit program under test sees it: read, written and cleared by the
// end-to-end tests from their own process (the same Wine prefix).
#include "e2e_driver.h"

#include "platform/win32/ansi.h"

using platform::win32::fromAnsi;
using platform::win32::toAnsi;

namespace e2e {

std::string readString(HKEY root, const std::string& key, const std::string& name, bool* found) {
  if (found) *found = false;
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return {};
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  const bool ok = RegQueryValueExA(k, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
  RegCloseKey(k);
  if (found) *found = ok;
  return ok ? fromAnsi(data) : std::string();
}

bool readInteger(HKEY root, const std::string& key, const std::string& name, DWORD* value) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  DWORD size = sizeof *value;
  DWORD type = 0;
  const bool ok = RegQueryValueExA(k, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
                  type == REG_DWORD;
  RegCloseKey(k);
  return ok;
}

void writeString(HKEY root, const std::string& key, const std::string& name,
                 const std::string& text) {
  HKEY k;
  RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
  const std::string ansi = toAnsi(text);
  RegSetValueExA(k, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(ansi.c_str()),
                 static_cast<DWORD>(ansi.size() + 1));
  RegCloseKey(k);
}

void writeInteger(HKEY root, const std::string& key, const std::string& name, DWORD value) {
  HKEY k;
  RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
  RegSetValueExA(k, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof value);
  RegCloseKey(k);
}

void deleteTree(HKEY root, const std::string& key) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS) return;
  char name[256];
  while (RegEnumKeyA(k, 0, name, sizeof name) == ERROR_SUCCESS) deleteTree(root, key + "\\" + name);
  RegCloseKey(k);
  RegDeleteKeyA(root, key.c_str());
}

void deleteValue(HKEY root, const std::string& key, const std::string& name) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS) return;
  RegDeleteValueA(k, name.c_str());
  RegCloseKey(k);
}

void seedG200At16Bits() {
  const std::string displayClass = "System\\CurrentControlSet\\Services\\Class\\Display";
  deleteTree(HKEY_LOCAL_MACHINE, "Software\\Matrox");
  deleteTree(HKEY_LOCAL_MACHINE, displayClass);
  deleteTree(HKEY_CURRENT_CONFIG, "Display\\Settings");
  writeString(HKEY_LOCAL_MACHINE, displayClass + "\\0000", "DriverDesc",
              "Matrox Millennium G200 AGP");
  writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "BitsPerPixel", "16");
  writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "Resolution", "800,600");
}

}  // namespace e2e
