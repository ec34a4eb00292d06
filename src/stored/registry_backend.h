#pragma once
// The raw registry: keys opened by path, values read and written as they are. The settings
// objects in this folder are its only users; they own every rule on top of it (which key, how it
// is opened, value names, types and error messages).
#ifndef CORVANE_RAW_REGISTRY
#error "the raw registry belongs to the settings objects alone: use a stored:: object instead"
#endif

#include "stored/registry.h"

namespace stored {

class RegistryBackend : public Registry {
 public:
  using Key = std::uintptr_t;  // an open key; 0 never names one

  static RegistryBackend& of(Registry& registry) { return static_cast<RegistryBackend&>(registry); }

  // Opens `path` (backslash-separated from the root, no leading backslash). With `create`,
  // missing keys (and parents) are made. Returns nothing on failure.
  virtual std::optional<Key> openKey(RootKey root, const std::string& path, bool create,
                                     bool readOnly) = 0;
  virtual void closeKey(Key key) = 0;
  virtual std::optional<RegistryValue> queryValue(Key key, const std::string& name) = 0;
  virtual bool setValue(Key key, const std::string& name, const RegistryValue& value) = 0;
  virtual bool deleteValue(Key key, const std::string& name) = 0;

 protected:
  RegistryBackend() = default;
};

}  // namespace stored
