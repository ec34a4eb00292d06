#include "stored/run_lists.h"

namespace stored {

ClockStartup::ClockStartup(Registry& registry)
    : RunEntry(registry, keys::kMachineRun, "G200 OverClock", Access::CreateIfMissing) {}

QuickDeskStartup::QuickDeskStartup(Registry& registry, Access access)
    : RunEntry(registry, keys::kUserRun, valueName(), access) {}

const char* QuickDeskStartup::valueName() { return "Matrox QuickDesk"; }

}  // namespace stored
