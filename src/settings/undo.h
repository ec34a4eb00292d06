#pragma once
// "元に戻す(&U)": puts the driver settings back as the newest backup holds them.
#include "platform/services.h"
#include "settings/registry_page.h"

namespace settings {

// Reads the newest backup whole (refusing it, and writing nothing, when it is damaged), asks,
// saves the present state as a backup of its own, writes the old state back and shows it in the
// boxes.
void restoreNewestBackup(RegistryPage& page, platform::Services& services);

}  // namespace settings
