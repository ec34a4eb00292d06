// A backup file in the Backup folder, any bytes at all (the user can edit it): the way back
// either refuses it or takes exactly the values it holds, and what it takes can be saved again
// and read back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/file_limits.h"
#include "platform/text.h"
#include "settings/backup_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > platform::kMaxTextFileBytes) return 0;  // the file seam refuses these unread
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto snapshot = settings::parseBackupFile(platform::splitLines(bytes));
  if (!snapshot) return 0;
  FUZZ_CHECK(snapshot->size() == settings::managedValues().size());
  try {
    const auto again = settings::parseBackupFile(settings::backupFileLines(*snapshot));
    FUZZ_CHECK(again && *again == *snapshot);
  } catch (const platform::UserError&) {
    // A value no regedit line can carry (a line break in a text) is refused when saving.
  }
  return 0;
}
