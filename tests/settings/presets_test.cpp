#include "page_fixture.h"
#include "settings/presets.h"

using settings::Preset;
using testing_settings::kDriverKey;
using testing_settings::PageFixture;

namespace {

struct PresetFixture : PageFixture {
  // Pressed on a machine start-up identified as `platform` ("": it identified none).
  void press(Preset preset, const std::string& platform) {
    platform::MachineFacts machine;
    if (!platform.empty()) machine.processor.platformLabel = platform;
    world.runtime.dispatch([&] { settings::applyPreset(preset, machine, page, services); });
  }
};

}  // namespace

TEST_F(PresetFixture, GameOnSlot1Or2ShowsItsMessageFirstAndLeaves3DNowAlone) {
  world.dialogs.whileOpen = [this](const doubles::RecordingDialogs::Box&) {
    EXPECT_TRUE(world.registry.journal().empty()) << "the message comes before any write";
  };
  press(Preset::Game, "Slot1 / Slot2");
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "情報");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Information);
  EXPECT_EQ(world.dialogs.boxes[0].text,
            "レジストリの設定をSlot1/2用の｢ゲームに特化した設定｣にしました。");
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Use 3DNow"));
  EXPECT_EQ(world.registry.journal().size(), 28u);
  EXPECT_EQ(stored("AGPFlags"), "-1");
  EXPECT_EQ(page.AGPSpeed.itemIndex(), 1);
}

TEST_F(PresetFixture, SocketVariantsDecideBusMasteringAnd3DNow) {
  press(Preset::Game, "Socket7 / Socket5 (Super7)");
  EXPECT_EQ(stored("Use 3DNow"), "1");
  EXPECT_EQ(world.registry.journal().back(), "set Use 3DNow") << "3DNow is written last";
  EXPECT_TRUE(page.box("DNow").checked());
  EXPECT_EQ(stored("Bus Mastering"), "1");

  world.registry.setString(kDriverKey, "Use 3DNow", "0");
  page.box("DNow").setChecked(false);
  press(Preset::Benchmark, "Socket7 / Socket5 (Super7)");
  EXPECT_EQ(stored("Bus Mastering"), "0");
  EXPECT_EQ(stored("Use 3DNow"), "0") << "benchmark on Socket7/5 leaves 3DNow alone";
  EXPECT_FALSE(page.box("DNow").checked());
  EXPECT_EQ(world.dialogs.boxes.back().text,
            "レジストリの設定をSocket7/5用の｢ベストパフォーマンス設定｣にしました。");

  press(Preset::Benchmark, "Socket7 (Super7)");
  EXPECT_EQ(stored("Bus Mastering"), "0");
  EXPECT_EQ(stored("Use 3DNow"), "1");
  EXPECT_EQ(world.dialogs.boxes.back().text,
            "レジストリの設定をSuper7用の｢ベストパフォーマンス設定｣にしました。");

  press(Preset::Benchmark, "Slot1");
  EXPECT_EQ(stored("Bus Mastering"), "1");
}

TEST_F(PresetFixture, UnlistedPlatformsTakeTheGeneralVariant) {
  for (const char* platform : {"Socket8", "Unknown", "Slot A", "MediaGX", "slot1", ""}) {
    press(Preset::Benchmark, platform);
    EXPECT_EQ(stored("Bus Mastering"), "0") << platform;
    EXPECT_EQ(world.dialogs.boxes.back().text,
              "レジストリの設定を｢ベストパフォーマンス設定｣にしました。");
  }
  press(Preset::Game, "Unknown");
  EXPECT_EQ(world.dialogs.boxes.back().text, "レジストリの設定を｢ゲームに特化した設定｣にしました。");
  EXPECT_EQ(settings::variantFor("SlotM?"), settings::Variant::SlotM);
  EXPECT_EQ(settings::presetMessage(Preset::Game, settings::Variant::Socket370),
            "レジストリの設定をSocket370用の｢ゲームに特化した設定｣にしました。");
}

TEST_F(PresetFixture, EmergencyAndDefaultsIgnoreThePlatformAndSelectOneX) {
  page.AGPSpeed.setItemIndex(2);
  press(Preset::Emergency, "Socket7 (Super7)");
  EXPECT_EQ(world.dialogs.boxes.back().text, "レジストリの設定を｢緊急時専用設定｣にしました。");
  EXPECT_EQ(stored("AGPFlags"), "0");
  EXPECT_EQ(page.AGPSpeed.itemIndex(), 0);
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Use 3DNow"));
  EXPECT_EQ(stored("FastBlit"), "0");
  press(Preset::DriverDefaults, "Slot1");
  EXPECT_EQ(world.dialogs.boxes.back().text,
            "レジストリの設定を｢ドライバインストール時の初期設定｣にしました。");
  EXPECT_EQ(stored("FastBlit"), "1");
  EXPECT_EQ(stored("SplitMode"), "0");
}

TEST_F(PresetFixture, BoxesFollowTheColumnWithoutRunningTheirHandlersAndUntouchedOnesStay) {
  page.box("TVout").setChecked(true);
  page.box("triple").setChecked(true);
  page.box("comwrite").setEnabled(false);
  press(Preset::Benchmark, "Slot1");
  // Every write came from the preset itself: 28 rows, once each.
  EXPECT_EQ(world.registry.journal().size(), 28u);
  EXPECT_TRUE(page.box("comwrite").checked()) << "a disabled box is still set";
  EXPECT_FALSE(page.box("AnalogJoy").checked());
  EXPECT_FALSE(page.box("vsync").checked());
  EXPECT_FALSE(page.box("anisotropic").checked());
  EXPECT_TRUE(page.box("toc").checked());
  EXPECT_TRUE(page.box("TVout").checked());
  EXPECT_TRUE(page.box("triple").checked());
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "TVOutput"));
}

TEST_F(PresetFixture, PressingTwiceWritesTheSameValuesTwice) {
  press(Preset::Game, "Slot1");
  const std::string once = world.registry.dump();
  const auto firstJournal = world.registry.journal();
  world.registry.clearJournal();
  press(Preset::Game, "Slot1");
  EXPECT_EQ(world.registry.dump(), once);
  EXPECT_EQ(world.registry.journal(), firstJournal);
}

TEST_F(PresetFixture, ARefusedWriteStopsTheColumnThereAndLeavesTheBoxes) {
  world.registry.setString(kDriverKey, "Circles", "0");
  world.registry.refuseWrites(kDriverKey, "Use MMX");
  press(Preset::DriverDefaults, "Slot1");
  ASSERT_EQ(world.dialogs.boxes.size(), 2u) << "the message, then the error";
  EXPECT_EQ(world.dialogs.boxes[1].text, "'Use MMX' の設定に失敗しました.");
  EXPECT_EQ(stored("Use AGP"), "1");
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Bus Mastering"));
  EXPECT_FALSE(page.box("Circles").checked()) << "boxes are not brought into line";
}
