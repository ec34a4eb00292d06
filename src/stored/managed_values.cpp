#include "stored/managed_values.h"

#include <memory>

#include "stored/driver_settings.h"
#include "stored/run_lists.h"

namespace stored {

const std::vector<ManagedValue>& managedValues() {
  static const std::vector<ManagedValue> values = [] {
    std::vector<ManagedValue> all;
    for (int i = 0; i < kDriverValueCount; ++i)
      all.push_back({&keys::kDriverSettings, valueName(static_cast<DriverValue>(i))});
    all.push_back({&QuickDeskStartup::list(), QuickDeskStartup::valueName()});
    return all;
  }();
  return values;
}

// Values come key by key: each key is opened once for its run of values.
Snapshot readSnapshot(Registry& registry) {
  Snapshot snapshot;
  std::unique_ptr<RegistryKey> key;
  const Location* open = nullptr;
  for (const auto& managed : managedValues()) {
    if (managed.where != open) {
      open = managed.where;
      key = std::make_unique<RegistryKey>(registry, *open, Access::ExistingReadOnly);
    }
    snapshot.push_back({managed.where, managed.name, key->value(managed.name)});
  }
  return snapshot;
}

void writeSnapshot(Registry& registry, const Snapshot& snapshot) {
  std::unique_ptr<RegistryKey> key;
  const Location* open = nullptr;
  for (const auto& saved : snapshot) {
    if (saved.where != open) {
      open = saved.where;
      key = std::make_unique<RegistryKey>(registry, *open, Access::CreateIfMissing);
    }
    if (saved.value) key->writeValue(saved.name.c_str(), *saved.value);
    else key->remove(saved.name.c_str());
  }
}

}  // namespace stored
