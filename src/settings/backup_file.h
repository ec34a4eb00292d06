#pragma once
// The driver settings as a regedit file: what a backup holds, written so that regedit imports
// it by double-click, and read back only when it is exactly what Corvane writes.
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_locations.h"

namespace settings {

// One value Corvane changes.
struct ManagedValue {
  const platform::RegistryLocation* where;
  const char* name;
};

// Every value Corvane changes, in the file's order: the driver's options, "AGPFlags", the two
// values the removal writes, and QuickDesk's start-up entry.
const std::vector<ManagedValue>& managedValues();

// One managed value and what it held: nothing when the value was absent.
struct SavedValue {
  const platform::RegistryLocation* where;
  std::string name;
  std::optional<platform::RegistryValue> value;
};

// Every managed value, in the order of managedValues().
using Snapshot = std::vector<SavedValue>;

// The file's lines (REGEDIT4). Values that are present come first, key by key; the absent ones
// follow as deletions ("name"=-), so that a regedit which stops at a line it does not know has
// already put every present value back. Throws UserError for a value no regedit line can carry.
std::vector<std::string> backupFileLines(const Snapshot& snapshot);

// The snapshot a file holds; nothing when the lines are not a complete file as written above
// for exactly the managed values (each once).
std::optional<Snapshot> parseBackupFile(const std::vector<std::string>& lines);

}  // namespace settings
