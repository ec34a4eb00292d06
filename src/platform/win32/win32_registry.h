#pragma once
// The real registry through the ANSI registry functions that Windows 95/98 have.
#include "platform/registry.h"

namespace platform::win32 {

class Win32Registry : public RegistryBackend {
 public:
  std::optional<Key> openKey(RootKey root, Key parent, const std::string& subPath, bool create,
                             bool readOnly) override;
  void closeKey(Key key) override;
  std::optional<RegistryValue> queryValue(Key key, const std::string& name) override;
  bool setValue(Key key, const std::string& name, const RegistryValue& value) override;
  bool deleteValue(Key key, const std::string& name) override;
};

}  // namespace platform::win32
