#pragma once
// The driver's switches: one row per check box of the registry tab. The load, the boxes, the
// presets and the removal all read this one table.
#include <array>
#include <string>

#include "text/catalogue.h"

namespace settings {

enum class OptionGroup { General, Gdi, System, D3DGen, D3DFilter };

struct DriverOption {
  const char* valueName;  // in the driver's key
  const char* control;    // the check box
  text::Id caption;
  text::Id hint;          // shown in the tab's status line
  OptionGroup group;
};

// Group by group, top to bottom as the boxes appear on the tab.
extern const std::array<DriverOption, 34> kDriverOptions;

// The order in which the window load reads them ("AGPFlags" between the first twelve and the rest).
extern const std::array<const char*, 12> kLoadOrderBeforeAgp;
extern const std::array<const char*, 22> kLoadOrderAfterAgp;

const DriverOption* findByValueName(const std::string& valueName);
const DriverOption* findByControl(const std::string& control);

// The AGP speed choice: item 0 "AGP 1x" stores "0", item 1 "AGP 2x" stores "-1", item 2
// "自動設定" (automatic) stores "1". Anything else stored shows as "AGP 1x".
constexpr const char* kAgpValueName = "AGPFlags";
const char* agpStoredText(int itemIndex);
int agpItemFor(const std::string& storedText);

}  // namespace settings
