#include "stored/powerdesk.h"

#include "stored/registry_key.h"

namespace stored {

std::string PowerDesk::folder() {
  return RegistryKey(registry_, keys::kPowerDesk, Access::CreateIfMissing).text("PDeskPath");
}

std::optional<std::string> PowerDesk::productName() {
  return RegistryKey(registry_, keys::kPowerDeskUninstall, Access::CreateIfMissing)
      .textIfPresent("DisplayName");
}

}  // namespace stored
