#pragma once
// The driver settings as a regedit file: what a backup holds, written so that regedit imports
// it by double-click, and read back only when it is exactly what Corvane writes.
#include <optional>
#include <string>
#include <vector>

#include "stored/managed_values.h"

namespace settings {

using stored::managedValues;
using stored::SavedValue;
using stored::Snapshot;

// The file's lines (REGEDIT4). Values that are present come first, key by key; the absent ones
// follow as deletions ("name"=-), so that a regedit which stops at a line it does not know has
// already put every present value back. Throws UserError for a value no regedit line can carry.
std::vector<std::string> backupFileLines(const Snapshot& snapshot);

// The snapshot a file holds; nothing when the lines are not a complete file as written above
// for exactly the managed values (each once).
std::optional<Snapshot> parseBackupFile(const std::vector<std::string>& lines);

}  // namespace settings
