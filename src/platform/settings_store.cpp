#include "platform/settings_store.h"

#include "platform/errors.h"
#include "text/catalogue.h"

namespace platform {
namespace {

constexpr text::Id kWrongType = text::Id::ErrorWrongType;
constexpr text::Id kReadFailed = text::Id::ErrorReadFailed;
constexpr text::Id kWriteFailed = text::Id::ErrorWriteFailed;
constexpr text::Id kDeleteFailed = text::Id::ErrorDeleteFailed;

}  // namespace

SettingsStore::SettingsStore(RegistryBackend& backend) : backend_(backend) {}

SettingsStore::~SettingsStore() { CloseKey(); }

void SettingsStore::SetRootKey(RootKey root) {
  if (root == root_) return;
  CloseKey();
  root_ = root;
}

bool SettingsStore::OpenKey(const std::string& path, bool createIfMissing) {
  return open(path, createIfMissing, false);
}

bool SettingsStore::OpenKeyReadOnly(const std::string& path) { return open(path, false, true); }

bool SettingsStore::open(const std::string& path, bool create, bool readOnly) {
  // "\X\Y" is taken from the root; "X\Y" from the open key, or from the root when none is open.
  const bool absolute = !path.empty() && path[0] == '\\';
  const std::string relative = absolute ? path.substr(1) : path;
  const RegistryBackend::Key parent = absolute ? 0 : key_;
  const auto opened = backend_.openKey(root_, parent, relative, create, readOnly);
  if (!opened) return false;  // the previous key stays open and current
  CloseKey();
  key_ = *opened;
  path_ = (absolute || path_.empty()) ? relative : path_ + "\\" + relative;
  return true;
}

void SettingsStore::CloseKey() {
  if (key_ != 0) backend_.closeKey(key_);
  key_ = 0;
  path_.clear();
}

bool SettingsStore::ValueExists(const std::string& name) {
  return key_ != 0 && backend_.queryValue(key_, name).has_value();
}

std::string SettingsStore::ReadString(const std::string& name) {
  if (key_ == 0) return {};
  const auto value = backend_.queryValue(key_, name);
  if (!value || value->data.empty()) return {};
  if (value->type != ValueType::String && value->type != ValueType::ExpandString)
    throw RegistryError(format1(text::tr(kWrongType), name));
  std::string text(value->data.begin(), value->data.end());
  const auto zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

std::int32_t SettingsStore::ReadInteger(const std::string& name) {
  const auto value = key_ != 0 ? backend_.queryValue(key_, name) : std::nullopt;
  if (!value) throw RegistryError(format1(text::tr(kReadFailed), name));
  if (value->type != ValueType::Dword || value->data.size() != 4)
    throw RegistryError(format1(text::tr(kWrongType), name));
  const auto& d = value->data;
  const std::uint32_t bits = std::uint32_t(d[0]) | std::uint32_t(d[1]) << 8 |
                             std::uint32_t(d[2]) << 16 | std::uint32_t(d[3]) << 24;
  return static_cast<std::int32_t>(bits);
}

std::vector<std::uint8_t> SettingsStore::ReadBinaryData(const std::string& name,
                                                        std::size_t capacity) {
  const auto value = key_ != 0 ? backend_.queryValue(key_, name) : std::nullopt;
  if (!value) return {};
  const bool textOrNumber = value->type == ValueType::String ||
                            value->type == ValueType::ExpandString ||
                            value->type == ValueType::Dword;
  if (textOrNumber || value->data.size() > capacity) throw RegistryError(format1(text::tr(kWrongType), name));
  return value->data;
}

std::optional<RegistryValue> SettingsStore::ReadValue(const std::string& name) {
  if (key_ == 0) return std::nullopt;
  return backend_.queryValue(key_, name);
}

void SettingsStore::WriteValue(const std::string& name, const RegistryValue& value) {
  write(name, value);
}

void SettingsStore::write(const std::string& name, const RegistryValue& value) {
  if (key_ == 0 || !backend_.setValue(key_, name, value))
    throw RegistryError(format1(text::tr(kWriteFailed), name));
}

void SettingsStore::WriteString(const std::string& name, const std::string& text) {
  write(name, {ValueType::String, std::vector<std::uint8_t>(text.begin(), text.end())});
}

void SettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  write(name, {ValueType::Dword,
               {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                std::uint8_t(bits >> 24)}});
}

void SettingsStore::WriteBinaryData(const std::string& name,
                                    const std::vector<std::uint8_t>& bytes) {
  write(name, {ValueType::Binary, bytes});
}

bool SettingsStore::DeleteValue(const std::string& name) {
  return key_ != 0 && backend_.deleteValue(key_, name);
}

void SettingsStore::RemoveValue(const std::string& name) {
  // A refused deletion and a missing value both answer false: only a second look tells them
  // apart. Without an open key the value may well be there, out of reach.
  if (key_ == 0) throw RegistryError(format1(text::tr(kDeleteFailed), name));
  if (!backend_.deleteValue(key_, name) && backend_.queryValue(key_, name))
    throw RegistryError(format1(text::tr(kDeleteFailed), name));
}

}  // namespace platform
