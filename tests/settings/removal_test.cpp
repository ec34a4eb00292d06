#include "page_fixture.h"
#include "settings/removal.h"
#include "stored/clock_settings.h"

using testing_settings::kDriverKey;
using testing_settings::PageFixture;

namespace {

struct RemovalFixture : PageFixture {
  void remove() {
    world.runtime.dispatch([&] { settings::removeDriverSettings(page, services); });
  }
};

}  // namespace

TEST_F(RemovalFixture, CancelChangesNothing) {
  world.registry.setString(kDriverKey, "Analog Joystick", "1");
  page.box("AnalogJoy").setChecked(true);
  const std::string before = world.registry.dump();
  world.dialogs.answers.push_back(platform::MessageResult::Cancel);
  remove();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "どうする？");
  EXPECT_EQ(world.dialogs.boxes[0].text, "レジストリの設定をアンインストールしますか？");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(world.dialogs.boxes[0].buttons, platform::MessageButtons::OkCancel);
  EXPECT_EQ(world.registry.dump(), before);
  EXPECT_TRUE(page.box("AnalogJoy").checked());
}

TEST_F(RemovalFixture, DeletesNineteenWritesSeventeenInOrderAndSetsTheBoxes) {
  world.registry.setString(kDriverKey, "Analog Joystick", "1");
  world.registry.setString(kDriverKey, "TVOutput", "1");
  world.registry.setString(kDriverKey, "Indeo as YUV", "1");
  world.registry.setInteger(kDriverKey, "OverClock", 120);
  world.registry.setString("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\run",
                           "G200 OverClock", "x");
  page.box("TVout").setChecked(true);
  page.box("indeo").setChecked(true);
  page.AGPSpeed.setItemIndex(1);
  for (const char* c : {"AnalogJoy", "DNow", "cinepac", "busmaster"}) page.box(c).setChecked(true);
  remove();
  ASSERT_EQ(world.dialogs.boxes.size(), 2u);
  EXPECT_EQ(world.dialogs.boxes[1].caption, "情報");
  EXPECT_EQ(world.dialogs.boxes[1].text, "レジストリの設定をアンインストールしました。");

  const auto& journal = world.registry.journal();
  ASSERT_EQ(journal.size(), 36u);
  EXPECT_EQ(journal.front(), "delete Analog Joystick");
  EXPECT_EQ(journal[18], "delete Win98 Virtual");
  EXPECT_EQ(journal[19], "set Circles");
  EXPECT_EQ(journal.back(), "set Cinepak as YUV");

  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Analog Joystick"));
  EXPECT_EQ(stored("SplitMode"), "0");
  EXPECT_EQ(stored("AGPFlags"), "0");
  EXPECT_EQ(stored("ShowHotKeys"), "1");
  EXPECT_EQ(stored("ShowSupport"), "0");
  EXPECT_EQ(stored("TVOutput"), "1");
  EXPECT_EQ(stored("Indeo as YUV"), "1");
  EXPECT_EQ(world.registry.integerValue(kDriverKey, "OverClock"), 120);
  EXPECT_TRUE(world.registry.valueExists("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\run",
                                         "G200 OverClock"));

  for (const char* on : {"Circles", "rect", "Ellipses", "fontcash", "dithering", "vsync", "device",
                         "porigon", "d3drender", "TVout", "indeo"})
    EXPECT_TRUE(page.box(on).checked()) << on;
  for (const char* off : {"AnalogJoy", "busmaster", "DNow", "cinepac", "VirtualDesk", "triple"})
    EXPECT_FALSE(page.box(off).checked()) << off;
  EXPECT_EQ(page.AGPSpeed.itemIndex(), 1) << "the AGP choice keeps what it showed";
}

TEST_F(RemovalFixture, TwiceGivesTheSameRegistryAsOnce) {
  world.registry.setString(kDriverKey, "Use AGP", "1");
  // A clock kept with OK counts no more afterwards (and nothing is made for it when none was).
  stored::ConfirmedClock(world.registry).recordKept(120, "G200clk.exe", "");
  remove();
  EXPECT_FALSE(stored::ConfirmedClock(world.registry, stored::Access::ExistingReadOnly).recorded());
  EXPECT_EQ(world.registry.journal().back(), "delete ConfirmedAdapter");
  const std::string once = world.registry.dump();
  remove();
  EXPECT_EQ(world.registry.dump(), once);
}

TEST_F(RemovalFixture, ARefusedWriteStopsThereAfterTheSuccessMessageAndLeavesTheBoxes) {
  world.registry.setString(kDriverKey, "Use AGP", "1");
  world.registry.refuseWrites(kDriverKey, "AGPFlags");
  page.box("agp").setChecked(true);
  remove();
  ASSERT_EQ(world.dialogs.boxes.size(), 3u);
  EXPECT_EQ(world.dialogs.boxes[2].text, "'AGPFlags' の設定に失敗しました.");
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Use AGP"));
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "SplitMode"));
  EXPECT_TRUE(page.box("agp").checked());
}

TEST_F(RemovalFixture, ARefusedDeletionIsSaidAndStopsThere) {
  world.registry.setString(kDriverKey, "Analog Joystick", "1");
  world.registry.setString(kDriverKey, "Bus Mastering", "1");
  world.registry.refuseWrites(kDriverKey, "Bus Mastering");
  remove();
  ASSERT_EQ(world.dialogs.boxes.size(), 3u);
  EXPECT_EQ(world.dialogs.boxes[2].text, "'Bus Mastering' の削除に失敗しました.");
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Analog Joystick"));
  EXPECT_TRUE(world.registry.valueExists(kDriverKey, "Bus Mastering"));
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Circles")) << "went on after the refusal";
}
