#pragma once
// A short-lived handle on the registry: take one, choose a root, open a key, read or write,
// let it go. Nothing is cached; every read goes to the registry.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

class SettingsStore {
 public:
  explicit SettingsStore(RegistryBackend& backend);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  void SetRootKey(RootKey root);
  bool OpenKey(const std::string& path, bool createIfMissing);
  bool OpenKeyReadOnly(const std::string& path);
  void CloseKey();

  bool ValueExists(const std::string& name);
  std::string ReadString(const std::string& name);
  std::int32_t ReadInteger(const std::string& name);
  std::vector<std::uint8_t> ReadBinaryData(const std::string& name, std::size_t capacity);
  // A value as stored, of whatever type, or nothing when it is missing.
  std::optional<RegistryValue> ReadValue(const std::string& name);

  void WriteString(const std::string& name, const std::string& text);
  void WriteInteger(const std::string& name, std::int32_t value);
  void WriteBinaryData(const std::string& name, const std::vector<std::uint8_t>& bytes);
  void WriteValue(const std::string& name, const RegistryValue& value);
  bool DeleteValue(const std::string& name);
  // Deletes a value the program means to be gone. A value that was not there is fine; one that
  // is still there afterwards, or no open key to delete it from, is the RegistryError
  // "'%s' の削除に失敗しました".
  void RemoveValue(const std::string& name);

  RootKey rootKey() const { return root_; }
  bool hasOpenKey() const { return key_ != 0; }
  const std::string& currentPath() const { return path_; }

 private:
  bool open(const std::string& path, bool create, bool readOnly);
  void write(const std::string& name, const RegistryValue& value);

  RegistryBackend& backend_;
  RootKey root_ = RootKey::CurrentUser;
  RegistryBackend::Key key_ = 0;
  std::string path_;
};

}  // namespace platform
