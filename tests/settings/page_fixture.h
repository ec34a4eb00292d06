#pragma once
// A registry tab on a bare form, with every outside thing doubled; the program's folder (where
// backups go) is a temporary one.
#include <gtest/gtest.h>

#include "fakes.h"
#include "settings/registry_page.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace testing_settings {

inline const std::string kDriverKey = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";

struct PageFixture : ::testing::Test {
  doubles::TempFolder folder;
  doubles::World world;
  platform::Services services = [this] {
    world.programFolder = folder.path();
    return world.services();
  }();
  ui::Form form{world.runtime, "Form1", "Corvane"};
  ui::PageControl pages{&form, "PageControl1"};
  ui::TabSheet sheet{&pages, "TabSheet2", "レジストリ"};
  settings::RegistryPage page{sheet, services};

  std::optional<std::string> stored(const std::string& name) {
    return world.registry.stringValue(kDriverKey, name);
  }
  void load() {
    stored::DriverSettings driver(world.registry);
    page.LoadOptions(driver);
  }
};

}  // namespace testing_settings
