#include "platform/registry_locations.h"

namespace platform {

bool openLocation(SettingsStore& reg, const RegistryLocation& where, KeyAccess access,
                  const std::string& below) {
  reg.SetRootKey(where.root);
  const std::string path = below.empty() ? where.path : std::string(where.path) + "\\" + below;
  return access == KeyAccess::CreateIfMissing ? reg.OpenKey(path, true)
                                              : reg.OpenKeyReadOnly(path);
}

}  // namespace platform
