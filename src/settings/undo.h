#pragma once
// "元に戻す(&U)": puts the driver settings back as the newest backup holds them; pressed again, as
// the one before that, and so on.
#include "platform/services.h"
#include "settings/registry_page.h"

namespace settings {

// Reads the backup to go back to (DriverBackups::nextToRestore) whole (refusing it, and writing nothing, when it is damaged), asks,
// saves the present state as a backup of its own, writes the old state back and shows it in the
// boxes.
void restoreNewestBackup(RegistryPage& page, platform::Services& services);

}  // namespace settings
