#pragma once
// "アンインストールする": takes the driver options back out of the registry and sets the boxes
// to a fixed pattern. Clock values, start-up entries and files are not touched.
#include "platform/services.h"
#include "settings/registry_page.h"

namespace settings {

void removeDriverSettings(RegistryPage& page, platform::Services& services);

}  // namespace settings
