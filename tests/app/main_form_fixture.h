#pragma once
// TForm1 on the doubles, in a program folder of its own that holds a Mystclk.ini.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "fakes.h"

namespace testing_app {

inline const std::string kDriverKey = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";
inline const std::string kDisplay = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\";

struct MainFormFixture : ::testing::Test {
  doubles::TempFolder folder;
  doubles::World world;
  platform::Services services = [this] {
    world.programFolder = folder.path();
    return world.services();
  }();
  TForm1 form{world.runtime, services};

  void SetUp() override { folder.write("Mystclk.ini", "PCIBIOS=1\r\n"); }
  void create() { form.FormCreate(); }
  std::vector<std::string> boxTexts() {
    std::vector<std::string> texts;
    for (const auto& b : world.dialogs.boxes) texts.push_back(b.text);
    return texts;
  }
};

}  // namespace testing_app
