#pragma once
// The driver's switches: one row per check box of the registry tab. The load, the boxes, the
// presets and the removal all read this one table.
#include <array>
#include <string>

#include "stored/driver_settings.h"
#include "text/catalogue.h"

namespace settings {

enum class OptionGroup { General, Gdi, System, D3DGen, D3DFilter };

struct DriverOption {
  stored::DriverValue value;  // what it switches in the driver's key
  const char* control;    // the check box
  text::Id caption;
  text::Id hint;          // shown in the tab's status line
  OptionGroup group;
};

// Group by group, top to bottom as the boxes appear on the tab.
extern const std::array<DriverOption, 34> kDriverOptions;

// The order in which the window load reads them (the AGP speed between the first twelve and the
// rest).
extern const std::array<stored::DriverValue, 12> kLoadOrderBeforeAgp;
extern const std::array<stored::DriverValue, 22> kLoadOrderAfterAgp;

const DriverOption* findByValue(stored::DriverValue value);
const DriverOption* findByControl(const std::string& control);

// The AGP speed choice: item 0 "AGP 1x" stores "0", item 1 "AGP 2x" stores "-1", item 2
// "自動設定" (automatic) stores "1". Anything else stored shows as "AGP 1x".
const char* agpStoredText(int itemIndex);
int agpItemFor(const std::string& storedText);

}  // namespace settings
