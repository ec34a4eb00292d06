#pragma once
// Every value the program changes in bulk, as the backups save and restore them: each driver
// value the program writes, and QuickDesk's start-up entry. The list comes from the objects that
// write them, so a new one is backed up as soon as it can be written.
#include <optional>
#include <string>
#include <vector>

#include "stored/registry.h"
#include "stored/registry_key.h"

namespace stored {

struct ManagedValue {
  const Location* where;
  const char* name;
};

// In the backups' order: the driver's values, then QuickDesk's entry.
const std::vector<ManagedValue>& managedValues();

// One managed value and what it held: nothing when the value was absent.
struct SavedValue {
  const Location* where;
  std::string name;
  std::optional<RegistryValue> value;

  friend bool operator==(const SavedValue& a, const SavedValue& b) {
    return a.where == b.where && a.name == b.name && a.value == b.value;
  }
};

// Every managed value, in the order of managedValues().
using Snapshot = std::vector<SavedValue>;

// What every managed value holds now (absent ones as nothing). Creates no key.
Snapshot readSnapshot(Registry& registry);
// Puts every managed value back: present ones written, absent ones deleted.
void writeSnapshot(Registry& registry, const Snapshot& snapshot);

}  // namespace stored
