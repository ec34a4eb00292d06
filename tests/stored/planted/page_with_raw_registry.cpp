// A page reaching for the raw registry past the settings objects. It must not compile.
#include "stored/registry_backend.h"

void plantedPage(stored::Registry& registry) {
  auto& raw = stored::RegistryBackend::of(registry);
  if (auto key = raw.openKey(stored::RootKey::LocalMachine, "Current Settings", false, false))
    raw.setValue(*key, "overclock", {});
}
