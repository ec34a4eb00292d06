// The program's windows together: made once in their order, opened from the main window.
#include <gtest/gtest.h>

#include "app/corvane_windows.h"
#include "fakes.h"

namespace {

struct WindowsFixture : ::testing::Test {
  doubles::TempFolder folder;
  doubles::World world;
  platform::Services services = [this] {
    folder.write("Mystclk.ini", "PCIBIOS=1\r\n");
    world.programFolder = folder.path();
    return world.services();
  }();
  CorvaneWindows windows{world.runtime, services, world.shortcuts};
};

}  // namespace

TEST_F(WindowsFixture, EveryWindowHasItsCaptionAndOnlyTheMainOneEndsTheProgram) {
  EXPECT_EQ(windows.Form1.caption(), "Corvane");
  EXPECT_EQ(windows.GameForm.caption(), "各種ゲーム用設定");
  EXPECT_EQ(windows.kakuForm.caption(), "確認");
  EXPECT_EQ(windows.AboutBox.caption(), "バージョン情報");
  EXPECT_EQ(windows.PINForm.caption(), "PINファイル");
  EXPECT_EQ(windows.WizForm.caption(), "PINファイルらくらくウィザード");
  EXPECT_EQ(windows.Form2.caption(), "オーバークロックのオプション");
  EXPECT_EQ(windows.PINForm.position(), ui::FormPosition::Default) << "beside the wizard";
  windows.GameForm.show();
  windows.GameForm.close();
  EXPECT_FALSE(world.runtime.terminated);
  windows.Form1.show();
  windows.Form1.close();
  EXPECT_TRUE(world.runtime.terminated);
}

TEST_F(WindowsFixture, TheAboutBoxIsModalAndALinkClickLeavesItOpen) {
  bool stillOpen = false;
  const auto startsBefore = world.launcher.starts.size();  // clk.bat at start-up
  world.runtime.modalScripts.push_back([&](ui::Form& box) {
    windows.AboutBox.Label6.userClick();
    windows.AboutBox.Label4.userClick();
    stillOpen = box.visible();
    windows.AboutBox.OKButton.userClick();
  });
  windows.Form1.general.Button25.userClick();
  EXPECT_EQ(world.runtime.modalRuns, std::vector<std::string>{"AboutBox"});
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(world.runtime.modalLeftOpen);
  ASSERT_EQ(world.launcher.opened.size(), 2u);
  EXPECT_EQ(world.launcher.opened[0].rfind("mailto:", 0), 0u);
  EXPECT_EQ(world.launcher.opened[1].rfind("http://", 0), 0u);
  EXPECT_EQ(world.launcher.starts.size(), startsBefore) << "links are never run as command lines";
}

TEST_F(WindowsFixture, AboutBoxLayoutAndLinks) {
  auto& box = windows.AboutBox;
  EXPECT_EQ(box.clientWidth(), 336);
  EXPECT_EQ(box.clientHeight(), 249);
  EXPECT_EQ(box.border(), ui::FormBorder::Dialog);
  EXPECT_EQ(box.Label1.caption(), "Matrox Corvane");
  EXPECT_TRUE(box.Label1.bold());
  EXPECT_EQ(box.Label2.caption(), "1.43");
  EXPECT_TRUE(box.Label2.bold());
  EXPECT_EQ(box.Label5.caption(), "Ｅメールアドレス：");
  EXPECT_EQ(box.Label6.hint(), "クリックしてメール送ってね。");
  EXPECT_EQ(box.Label4.hint(), "クリックするとホームページに行けます。");
  for (ui::Label* link : {&box.Label15, &box.Label18, &box.Label6, &box.Label4}) {
    EXPECT_EQ(link->colour(), ui::kNavy) << link->name();
    EXPECT_TRUE(link->underline()) << link->name();
    EXPECT_TRUE(link->handCursor()) << link->name();
  }
  EXPECT_EQ(box.defaultButton(), &box.OKButton);
}

TEST_F(WindowsFixture, TheGamesWindowOpensBesideTheMainWindow) {
  windows.Form1.system.Button15.userClick();
  EXPECT_TRUE(windows.GameForm.visible());
  EXPECT_TRUE(world.runtime.modalRuns.empty());
}

TEST_F(WindowsFixture, TheHiddenWizardButtonOpensTheWizardModally) {
  EXPECT_FALSE(windows.Form1.system.PinCButton.visible());
  world.runtime.modalScripts.push_back([](ui::Form& wizard) { wizard.close(); });
  windows.Form1.PinCButtonClick();
  EXPECT_EQ(world.runtime.modalRuns, std::vector<std::string>{windows.WizForm.name()});
}

TEST_F(WindowsFixture, PresetButtonsFollowThePlatformStartUpIdentifiedNotACaption) {
  world.processor = doubles::RecordedProcessor::from("AuthenticAMD", 1, 0x58C, 0x008021BF);
  windows.Form1.show();  // the show step identifies a K6-2: Socket7 (Super7)
  windows.Form1.general.Label38.setCaption("Slot1");
  windows.Form1.general.Button12.userClick();
  ASSERT_FALSE(world.dialogs.boxes.empty());
  EXPECT_EQ(world.dialogs.boxes.back().text,
            "レジストリの設定をSuper7用の｢ベストパフォーマンス設定｣にしました。");
  EXPECT_EQ(world.registry.stringValue("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings",
                                       "Use 3DNow"),
            "1");
}

TEST_F(WindowsFixture, ClosingTheMainWindowDuringTheCountdownRestoresTheDefaultClockFirst) {
  windows.Form1.show();
  auto& clock = windows.Form1.clock;
  clock.UpDown1.userSetPosition(120);
  bool restoredBeforeTheEnd = false;
  world.dialogs.whileOpen = [&](const auto&) {
    windows.Form1.userRequestClose();  // asked again while the restore's message is open
    restoredBeforeTheEnd = !world.runtime.terminated && windows.Form1.visible();
  };
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    windows.Form1.userRequestClose();  // the task bar's "閉じる" arrives as this
  });
  clock.Button3.userClick();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "G200のクロックを 89MHz に戻しました。");
  EXPECT_TRUE(restoredBeforeTheEnd);
  EXPECT_TRUE(world.runtime.terminated);
  EXPECT_FALSE(windows.kakuForm.visible());
  EXPECT_EQ(world.launcher.starts.back().commandLine, folder.file("G200clk.exe") + " /1 189");
  EXPECT_EQ(world.registry.integerValue("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings",
                                        "OverClock"),
            89);
}
