#include <gtest/gtest.h>

#include "fakes.h"
#include "settings/game_form.h"

namespace {

const std::string kUnreal = "HKLM\\SOFTWARE\\Microsoft\\UnrealD3D";
const std::string kNfs3 = "HKLM\\Software\\Electronic Arts\\Need For Speed III";
const std::string kForsaken = "HKLM\\Software\\Acclaim Entertainment\\Forsaken\\1.00";

struct GameFixture : ::testing::Test {
  doubles::World world;
  platform::Services services = world.services();
  settings::TGameForm form{world.runtime, services};
};

}  // namespace

TEST_F(GameFixture, WindowIsASmallToolWindowWithForsakenOutOfSightAndReach) {
  EXPECT_EQ(form.caption(), "各種ゲーム用設定");
  EXPECT_EQ(form.clientWidth(), 194);
  EXPECT_EQ(form.clientHeight(), 159);
  EXPECT_EQ(form.border(), ui::FormBorder::ToolWindow);
  EXPECT_GE(form.GroupBox2.bounds().left, 194);
  EXPECT_FALSE(form.VGAMode.enabled());
  EXPECT_FALSE(form.VGAMode.tabStop());
  const ui::Control* visibleParts[] = {&form.GroupBox1, &form.GroupBox3, &form.Button1};
  for (const ui::Control* c : visibleParts) {
    EXPECT_LE(c->bounds().left + c->bounds().width, 194) << c->name();
    EXPECT_LE(c->bounds().top + c->bounds().height, 159) << c->name();
  }
}

TEST_F(GameFixture, WithoutTheGamesShowingCreatesNoKeyAndDisablesTheirBoxes) {
  const std::string before = world.registry.dump();
  form.show();
  EXPECT_EQ(world.registry.dump(), before);
  for (ui::CheckBox* box : {&form.Truecolor, &form.DoFlip, &form.DoTrilinear,
                            &form.TriBufferUnreal, &form.TriBufferNFS3})
    EXPECT_FALSE(box->enabled()) << box->name();
  EXPECT_TRUE(form.VGAMode.enabled()) << "a missing screen width enables the Forsaken box";
  EXPECT_TRUE(world.dialogs.boxes.empty());
}

TEST_F(GameFixture, TripleBufferingDecidesTheFlipBoxAndShowingWritesNothing) {
  world.registry.setInteger(kUnreal, "Truecolor", 1);
  world.registry.setInteger(kUnreal, "DoFlip", 0);
  world.registry.setInteger(kUnreal, "TripleBuffering", 1);
  world.registry.setInteger(kUnreal, "DoTrilinear", 0);
  world.registry.setInteger(kNfs3, "Triple Buffer", 2);
  form.TriBufferNFS3.setChecked(true);
  world.registry.clearJournal();
  form.show();
  EXPECT_TRUE(form.Truecolor.checked());
  EXPECT_TRUE(form.DoFlip.checked());
  EXPECT_TRUE(form.TriBufferUnreal.checked());
  EXPECT_FALSE(form.DoTrilinear.checked());
  EXPECT_TRUE(form.TriBufferNFS3.checked()) << "2 leaves the box as it was";
  EXPECT_TRUE(form.TriBufferNFS3.enabled());
  EXPECT_TRUE(world.registry.journal().empty());
}

TEST_F(GameFixture, AMissingGameKeyNeverBorrowsTheValuesOfTheKeyOpenBefore) {
  // Need for Speed III is installed and has a "Truecolor" of its own; Unreal is not installed.
  world.registry.setInteger(kNfs3, "Triple Buffer", 1);
  world.registry.setInteger(kNfs3, "Truecolor", 1);
  world.registry.setInteger(kNfs3, "ScreenWidth", 1);
  form.show();
  EXPECT_TRUE(form.TriBufferNFS3.checked());
  EXPECT_FALSE(form.Truecolor.enabled());
  EXPECT_FALSE(form.Truecolor.checked());
  EXPECT_TRUE(world.dialogs.boxes.empty());
}

TEST_F(GameFixture, ScreenWidthDecidesTheForsakenBox) {
  world.registry.setBinary(kForsaken, "ScreenWidth", {0x02, 0x80});
  form.show();
  EXPECT_TRUE(form.VGAMode.checked());
  EXPECT_FALSE(form.VGAMode.enabled()) << "showing never enables it while the value exists";
  form.close();
  world.registry.setBinary(kForsaken, "ScreenWidth", {0x03, 0x20});
  form.show();
  EXPECT_FALSE(form.VGAMode.checked());
  form.close();
  world.registry.setBinary(kForsaken, "ScreenWidth", {0x80});
  form.VGAMode.setChecked(true);
  form.show();
  EXPECT_FALSE(form.VGAMode.checked()) << "one byte is not 640";
  form.close();
  world.registry.setBinary(kForsaken, "ScreenWidth", {0x02, 0x80, 0x00});
  form.show();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "'ScreenWidth' のデータ型が不正です.");
}

TEST_F(GameFixture, AWrongTypeEndsTheShowStepThere) {
  world.registry.setInteger(kNfs3, "Triple Buffer", 1);
  world.registry.setString(kUnreal, "Truecolor", "1");
  world.registry.setInteger(kUnreal, "DoTrilinear", 1);
  form.show();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "'Truecolor' のデータ型が不正です.");
  EXPECT_TRUE(form.TriBufferNFS3.checked());
  EXPECT_FALSE(form.DoTrilinear.checked());
  EXPECT_TRUE(form.DoTrilinear.enabled()) << "boxes after it keep their states";
}

TEST_F(GameFixture, FlipAndTripleBufferingStayCoupled) {
  form.TriBufferUnreal.userClick();  // on
  EXPECT_EQ(world.registry.integerValue(kUnreal, "TripleBuffering"), 1);
  EXPECT_EQ(world.registry.integerValue(kUnreal, "DoFlip"), 1);
  EXPECT_TRUE(form.DoFlip.checked());
  form.DoFlip.userClick();  // off: triple buffering goes too
  EXPECT_EQ(world.registry.integerValue(kUnreal, "DoFlip"), 0);
  EXPECT_EQ(world.registry.integerValue(kUnreal, "TripleBuffering"), 0);
  EXPECT_FALSE(form.TriBufferUnreal.checked());
  form.DoFlip.userClick();  // on: flipping alone
  EXPECT_EQ(world.registry.integerValue(kUnreal, "DoFlip"), 1);
  EXPECT_EQ(world.registry.integerValue(kUnreal, "TripleBuffering"), 0);
  form.TriBufferUnreal.setChecked(true);
  form.TriBufferUnreal.userClick();  // off
  EXPECT_EQ(world.registry.integerValue(kUnreal, "DoFlip"), 0);
  EXPECT_FALSE(form.DoFlip.checked());
}

TEST_F(GameFixture, SwitchesAreIntegersAndTheScreenSizeIsTwoBigEndianBytes) {
  form.Truecolor.userClick();
  form.DoTrilinear.userClick();
  form.TriBufferNFS3.userClick();
  EXPECT_EQ(world.registry.integerValue(kUnreal, "Truecolor"), 1);
  EXPECT_EQ(world.registry.integerValue(kUnreal, "DoTrilinear"), 1);
  EXPECT_EQ(world.registry.integerValue(kNfs3, "Triple Buffer"), 1);
  form.VGAMode.setEnabled(true);
  form.VGAMode.userClick();
  EXPECT_EQ(world.registry.value(kForsaken, "ScreenWidth")->data,
            (std::vector<std::uint8_t>{0x02, 0x80}));
  EXPECT_EQ(world.registry.value(kForsaken, "ScreenHeight")->data,
            (std::vector<std::uint8_t>{0x01, 0xE0}));
  world.registry.clearJournal();
  form.VGAMode.userClick();  // clearing stores nothing
  EXPECT_TRUE(world.registry.journal().empty());
}

TEST_F(GameFixture, ShowingAnOpenWindowBringsItForwardWithoutReloading) {
  form.show();
  world.registry.setInteger(kNfs3, "Triple Buffer", 1);
  form.show();
  EXPECT_FALSE(form.TriBufferNFS3.checked());
  form.Button1.userClick();
  EXPECT_FALSE(form.visible());
  form.show();
  EXPECT_TRUE(form.TriBufferNFS3.checked());
  EXPECT_FALSE(form.TriBufferNFS3.enabled()) << "a box disabled once stays disabled";
}
