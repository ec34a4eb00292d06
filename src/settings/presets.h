#pragma once
// The four preset buttons of the General tab: each writes a whole column of driver options and
// brings the registry tab's boxes into line. Game and benchmark come in a variant per platform.
#include <string>

#include "platform/machine_facts.h"
#include "platform/services.h"
#include "settings/registry_page.h"

namespace settings {

enum class Preset { Emergency, DriverDefaults, Game, Benchmark };

// The platforms with variants of their own, in the order the platform label is compared with them.
enum class Variant { SlotM, Slot1, Slot2, Socket370, Super7, Slot1Or2, Socket7Or5, General };

Variant variantFor(const std::string& platformLabel);
std::string presetMessage(Preset preset, Variant variant);
// The text a preset writes for a value, or nothing when it leaves the value alone.
const char* presetValue(Preset preset, Variant variant, stored::DriverValue value);

// Saves a backup, shows the message, writes the column, sets the boxes (running none of their
// handlers). Nothing is written when the backup cannot be saved. The variant is the one for the
// platform start-up identified in `machine` (the general one when it identified none).
void applyPreset(Preset preset, const platform::MachineFacts& machine, RegistryPage& page,
                 platform::Services& services);

}  // namespace settings
