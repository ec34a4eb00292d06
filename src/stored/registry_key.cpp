#include "stored/registry_key.h"

namespace stored {

RegistryKey::RegistryKey(platform::RegistryBackend& registry, const Location& where,
                         Access access, const std::string& below)
    : store_(registry) {
  store_.SetRootKey(where.root);
  const std::string path = below.empty() ? where.path : std::string(where.path) + "\\" + below;
  // A fresh store: when the open fails, there is no key at all to fall back on.
  if (access == Access::CreateIfMissing) store_.OpenKey(path, true);
  else store_.OpenKeyReadOnly(path);
}

std::optional<std::string> RegistryKey::textIfPresent(const char* name) {
  if (!has(name)) return std::nullopt;
  return text(name);
}

std::optional<std::int32_t> RegistryKey::integer(const char* name) {
  if (!has(name)) return std::nullopt;
  return store_.ReadInteger(name);
}

std::optional<std::vector<std::uint8_t>> RegistryKey::bytes(const char* name,
                                                            std::size_t capacity) {
  if (!has(name)) return std::nullopt;
  return store_.ReadBinaryData(name, capacity);
}

}  // namespace stored
