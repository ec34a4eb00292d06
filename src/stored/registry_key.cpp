#include "stored/registry_key.h"

#include "platform/errors.h"
#include "stored/registry_backend.h"
#include "text/catalogue.h"

namespace stored {
namespace {

[[noreturn]] void fail(text::Id message, const char* name) {
  throw platform::RegistryError(platform::format1(text::tr(message), name));
}

bool isText(const RegistryValue& value) {
  return value.type == ValueType::String || value.type == ValueType::ExpandString;
}

}  // namespace

RegistryKey::RegistryKey(Registry& registry, const Location& where, Access access,
                         const std::string& below)
    : backend_(RegistryBackend::of(registry)), readOnly_(access == Access::ExistingReadOnly) {
  std::string path = where.path + 1;  // from the root: without the leading backslash
  if (!below.empty()) path += "\\" + below;
  const bool create = access == Access::CreateIfMissing;
  // When the open fails there is no key at all: nothing else is reached in its place.
  if (const auto opened = backend_.openKey(where.root, path, create, !create)) key_ = *opened;
}

RegistryKey::~RegistryKey() {
  if (key_ != 0) backend_.closeKey(key_);
}

bool RegistryKey::has(const char* name) { return value(name).has_value(); }

std::optional<RegistryValue> RegistryKey::value(const char* name) {
  if (key_ == 0) return std::nullopt;
  return backend_.queryValue(key_, name);
}

std::string RegistryKey::text(const char* name) {
  const auto stored = value(name);
  if (!stored || stored->data.empty()) return {};
  if (!isText(*stored)) fail(text::Id::ErrorWrongType, name);
  std::string text(stored->data.begin(), stored->data.end());
  const auto zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

std::optional<std::string> RegistryKey::textIfPresent(const char* name) {
  if (!has(name)) return std::nullopt;
  return text(name);
}

std::optional<std::int32_t> RegistryKey::integer(const char* name) {
  const auto stored = value(name);
  if (!stored) return std::nullopt;
  if (stored->type != ValueType::Dword || stored->data.size() != 4)
    fail(text::Id::ErrorWrongType, name);
  const auto& d = stored->data;
  const std::uint32_t bits = std::uint32_t(d[0]) | std::uint32_t(d[1]) << 8 |
                             std::uint32_t(d[2]) << 16 | std::uint32_t(d[3]) << 24;
  return static_cast<std::int32_t>(bits);
}

std::optional<std::vector<std::uint8_t>> RegistryKey::bytes(const char* name,
                                                            std::size_t capacity) {
  auto stored = value(name);
  if (!stored) return std::nullopt;
  if (isText(*stored) || stored->type == ValueType::Dword || stored->data.size() > capacity)
    fail(text::Id::ErrorWrongType, name);
  return std::move(stored->data);
}

void RegistryKey::writeValue(const char* name, const RegistryValue& value) {
  if (key_ == 0 || readOnly_ || !backend_.setValue(key_, name, value))
    fail(text::Id::ErrorWriteFailed, name);
}

void RegistryKey::writeText(const char* name, const std::string& text) {
  writeValue(name, {ValueType::String, std::vector<std::uint8_t>(text.begin(), text.end())});
}

void RegistryKey::writeInteger(const char* name, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  writeValue(name, {ValueType::Dword,
                    {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                     std::uint8_t(bits >> 24)}});
}

void RegistryKey::writeBytes(const char* name, const std::vector<std::uint8_t>& bytes) {
  writeValue(name, {ValueType::Binary, bytes});
}

void RegistryKey::remove(const char* name) {
  // A refused deletion and a missing value both answer false: only a second look tells them
  // apart. Without an open key the value may well be there, out of reach.
  if (key_ == 0 || readOnly_ ||
      (!backend_.deleteValue(key_, name) && backend_.queryValue(key_, name)))
    fail(text::Id::ErrorDeleteFailed, name);
}

}  // namespace stored
