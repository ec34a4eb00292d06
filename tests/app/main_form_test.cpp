// The main window's start-up: what the creation step detects and loads, the refusal on other
// systems, and the show step's order.
#include <gtest/gtest.h>

#include <set>

#include "app/main_form.h"
#include "fakes.h"
#include "stored/clock_settings.h"

namespace {

const std::string kDriverKey = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kDisplay = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\";

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

}  // namespace

TEST_F(MainFormFixture, DetectionFillsTheLabelsFromTheRegistry) {
  world.registry.setString(kDisplay + "0000", "DriverDesc", "Standard VGA");
  world.registry.setString(kDisplay + "0002", "DriverDesc", "Matrox Millennium G200 AGP");
  world.registry.setString("HKCC\\Display\\Settings", "BitsPerPixel", "16");
  world.registry.setString("HKCC\\Display\\Settings", "Resolution", "800,600");
  world.registry.setString(
      "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk",
      "DisplayName", "Matrox PowerDesk Ver4.51");
  world.registry.setString(kDriverKey, "OrgMonName", "NANAO FlexScan");
  world.registry.setString(kDriverKey, "Flip On Vblank", "1");
  world.registry.setString(kDriverKey, "Win98Virtual", "1");
  world.registry.setInteger(kDriverKey, "OverClock", 120);
  stored::ConfirmedClock(world.registry).recordKept(120, "G200clk.exe", "Matrox G400");
  create();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  EXPECT_FALSE(world.registry.valueExists("HKLM\\Software\\Corvane", "ConfirmedClock"))
      << "a clock kept on another board";
  EXPECT_EQ(form.general.Label22.caption(), "Windows95/98");
  EXPECT_EQ(form.general.Label12.caption(), "Matrox Millennium G200 AGP");
  EXPECT_EQ(form.clock.Label10.caption(), "16Bit");
  EXPECT_EQ(form.machine().bitsPerPixel.value, "16");
  EXPECT_EQ(form.clock.Label34.caption(), "800,600");
  EXPECT_EQ(form.general.Label31.caption(), "Matrox PowerDesk Ver4.51");
  EXPECT_EQ(form.general.Label29.caption(), "NANAO FlexScan");
  EXPECT_TRUE(form.registry.box("vsync").checked());
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Win98Virtual"));
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "AGPFlags"));
  EXPECT_EQ(form.clockService.toolPath(), folder.path() + "\\G200clk.exe");
  EXPECT_EQ(form.clock.Edit2.text(), folder.path() + "\\G200clk.exe");
  EXPECT_FALSE(form.clock.Button7.enabled());
  ASSERT_EQ(world.launcher.starts.size(), 1u);
  EXPECT_EQ(world.launcher.starts[0].commandLine, folder.path() + "\\clk.bat");
  EXPECT_EQ(world.launcher.starts[0].show, platform::ShowMode::Normal);
}

TEST_F(MainFormFixture, MissingValuesShowUnknownAndAMissingAdapterKeyIsMadeEmpty) {
  create();
  EXPECT_TRUE(world.registry.keyExists(kDisplay + "0000"));
  EXPECT_EQ(form.general.Label12.caption(), "");
  EXPECT_EQ(form.clock.Label10.caption(), "Unknown");
  EXPECT_TRUE(form.machine().bitsPerPixel.known && !form.machine().bitsPerPixel.value);
  EXPECT_EQ(form.clock.Label34.caption(), "Unknown");
  EXPECT_EQ(form.general.Label31.caption(), "Unknown");
  EXPECT_EQ(form.general.Label29.caption(), "Unknown");
  EXPECT_TRUE(world.registry.keyExists("HKCC\\Display\\Settings"));
}

// What the message says after the file error: what the ini is for and what to do.
const char* const kIniAdvice =
    "。\nMystclk.ini はクロックツール Mystclk.com の設定ファイルで、チップセットの選択が入っています。";

TEST_F(MainFormFixture, WithoutTheIniOfMystclkOnlyTheMessageAndThePlatformCheckRunAndNothingPassesForDetected) {
  doubles::TempFolder empty;
  world.programFolder = empty.path();
  platform::Services bare = world.services();
  TForm1 other(world.runtime, bare);
  world.registry.setString(kDriverKey, "Circles", "1");
  world.registry.setString(kDriverKey, "Mystclk", "C:\\Tools\\Mystclk.com");
  other.FormCreate();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(world.dialogs.boxes[0].text.rfind("ファイル " + empty.path() +
                                                  "\\Mystclk.ini は開けません" + kIniAdvice, 0), 0u)
      << world.dialogs.boxes[0].text;
  EXPECT_NE(world.dialogs.boxes[0].text.find("G200clk.exe を使うときは、このファイルは要りません"),
            std::string::npos);
  EXPECT_EQ(other.general.Label22.caption(), "Windows95/98");
  // Not read, so not known: no sample value of the layout passes for this machine's.
  for (const ui::Label* value : {&other.general.Label12, &other.general.Label31,
                                 &other.general.Label29, &other.clock.Label10, &other.clock.Label34})
    EXPECT_EQ(value->caption(), "不明") << value->name();
  EXPECT_FALSE(other.machine().adapter.known || other.machine().bitsPerPixel.known);
  EXPECT_FALSE(other.registry.box("Circles").checked());
  EXPECT_FALSE(other.registry.box("Circles").enabled()) << "an unticked box would claim off";
  EXPECT_FALSE(other.registry.AGPSpeed.enabled());
  EXPECT_FALSE(other.registry.tasktrey.enabled());
  EXPECT_EQ(other.registry.AGPSpeed.itemIndex(), -1);
  EXPECT_TRUE(world.launcher.starts.empty());
}

TEST_F(MainFormFixture, AToolPathThatCannotBeReadCountsAsMystclkAndItsIniIsAskedFor) {
  doubles::TempFolder empty;
  world.programFolder = empty.path();
  platform::Services bare = world.services();
  TForm1 other(world.runtime, bare);
  world.registry.setInteger(kDriverKey, "Mystclk", 7);  // not a path: it cannot be read
  other.FormCreate();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_NE(world.dialogs.boxes[0].text.find(kIniAdvice), std::string::npos)
      << world.dialogs.boxes[0].text;
  EXPECT_EQ(other.general.Label12.caption(), "不明");
}

TEST_F(MainFormFixture, G200clkNeedsNoIniAndTheStartUpGoesOnWithoutOne) {
  doubles::TempFolder empty;
  world.programFolder = empty.path();
  platform::Services bare = world.services();
  TForm1 other(world.runtime, bare);
  world.registry.setString(kDriverKey, "Circles", "1");
  other.FormCreate();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  EXPECT_TRUE(other.registry.box("Circles").checked());
  EXPECT_TRUE(other.registry.box("Circles").enabled());
  EXPECT_EQ(world.launcher.starts.size(), 1u) << "clk.bat";
}

TEST_F(MainFormFixture, AnIniTooLargeIsRefusedLikeAMissingOne) {
  folder.write("Mystclk.ini", "PCIBIOS=1\r\n" + std::string(200 * 1024, ';'));
  world.registry.setString(kDriverKey, "Circles", "1");
  world.registry.setString(kDriverKey, "Mystclk", folder.path() + "\\Mystclk.com");
  create();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text.rfind("ファイル " + folder.path() +
                                                  "\\Mystclk.ini は大きすぎます（64KBまで）" + kIniAdvice, 0), 0u)
      << world.dialogs.boxes[0].text;
  EXPECT_FALSE(form.registry.box("Circles").checked());
  EXPECT_FALSE(form.registry.box("Circles").enabled());
  EXPECT_TRUE(world.launcher.starts.empty());
}

TEST_F(MainFormFixture, OtherSystemsAreRefusedAndNothingChanges) {
  world.os.info = platform::OsVersionInfo{platform::OsPlatform::WindowsNT, 5, 1};
  world.registry.setString(kDriverKey, "Win98Virtual", "1");
  const std::string before = world.registry.dump();
  create();
  form.show();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(world.dialogs.boxes[0].text, "Windows95/98専用のプログラムです。");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(form.general.Label22.caption(), "WindowsNT");
  EXPECT_TRUE(world.runtime.terminated);
  EXPECT_EQ(world.runtime.exitCode, 1);
  EXPECT_TRUE(form.refused());
  EXPECT_EQ(world.registry.dump(), before);
  EXPECT_TRUE(world.launcher.starts.empty());
}

TEST_F(MainFormFixture, ASystemThatDoesNotSayWhatItIsIsRefusedToo) {
  world.os.info = std::nullopt;
  create();
  form.show();
  EXPECT_EQ(form.general.Label22.caption(), "Label22");
  EXPECT_TRUE(form.refused());
  EXPECT_EQ(world.runtime.exitCode, 1);
}

TEST_F(MainFormFixture, AValueOfTheWrongTypeEndsTheCreationStepThere) {
  world.registry.setInteger(kDisplay + "0001", "DriverDesc", 7);
  world.registry.setString(kDriverKey, "Circles", "1");
  create();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'DriverDesc' のデータ型が不正です."});
  EXPECT_FALSE(form.registry.box("Circles").checked());
  EXPECT_TRUE(world.launcher.starts.empty()) << "clk.bat comes after the adapter";
}

TEST_F(MainFormFixture, ColourDepthThatIsNoNumberStopsBeforeTheResolution) {
  world.registry.setString("HKCC\\Display\\Settings", "BitsPerPixel", "High");
  world.registry.setString("HKCC\\Display\\Settings", "Resolution", "800,600");
  create();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'High' は数値ではありません."});
  EXPECT_EQ(form.clock.Label34.caption(), "1024x768");
  EXPECT_EQ(form.general.Label31.caption(), "Powerdesk Ver4.50");
}

TEST_F(MainFormFixture, ARefusedDeletionOfTheOldVirtualDesktopValueIsSaidAndStartUpGoesOn) {
  world.registry.setString(kDriverKey, "Win98Virtual", "1");
  world.registry.setString(kDriverKey, "Circles", "1");
  world.registry.refuseWrites(kDriverKey, "Win98Virtual");
  create();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'Win98Virtual' の削除に失敗しました."});
  EXPECT_TRUE(form.registry.box("Circles").checked());
  EXPECT_EQ(form.general.Label29.caption(), "Unknown") << "the start-up stopped early";
}

TEST_F(MainFormFixture, QuickDeskEntryTicksTheBoxAndStaysAsItWas) {
  const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  world.registry.setString(run, "Matrox QuickDesk", "C:\\PD\\QDesk\\mgaqdesk.exe /x");
  create();
  EXPECT_TRUE(form.registry.tasktrey.checked());
  EXPECT_EQ(world.registry.stringValue(run, "Matrox QuickDesk"), "C:\\PD\\QDesk\\mgaqdesk.exe /x");
}

TEST_F(MainFormFixture, ShowStepIdentifiesTheProcessorLastWithoutTouchingCheckedStates) {
  world.processor = doubles::RecordedProcessor::from("AuthenticAMD", 1, 0x58C, 0x008021BF);
  world.registry.setString(kDriverKey, "Use Write Combining", "1");
  create();
  form.show();
  EXPECT_EQ(form.general.Label38.caption(), "Socket7 (Super7)");
  EXPECT_FALSE(form.registry.box("comwrite").enabled());
  EXPECT_TRUE(form.registry.box("comwrite").checked());
  EXPECT_TRUE(form.registry.box("DNow").enabled());
}

TEST_F(MainFormFixture, AProfileValueOfTheWrongTypeKeepsTheProcessorUnidentified) {
  world.processor = doubles::RecordedProcessor::from("AuthenticAMD", 1, 0x58C, 0x008021BF);
  world.registry.setString("HKCC\\Display\\Settings", "BitsPerPixel", "16");
  world.registry.setString(kDriverKey, "OverClockDEF89", "100");
  create();
  form.show();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'OverClockDEF89' のデータ型が不正です."});
  EXPECT_EQ(form.general.Label38.caption(), "Unknown");
  EXPECT_TRUE(form.registry.box("comwrite").enabled());
  EXPECT_TRUE(form.registry.box("DNow").enabled());
}

TEST_F(MainFormFixture, EveryExitButtonEndsTheProgram) {
  for (ui::Button* exit : {&form.general.Button1, &form.clock.Button8, &form.system.Button5}) {
    world.runtime.terminated = false;
    form.show();
    exit->userClick();
    EXPECT_TRUE(world.runtime.terminated) << exit->name();
    EXPECT_EQ(exit->caption(), "終了(&E)");
    EXPECT_EQ(exit->hint(), "Corvaneを終了します。");
  }
  EXPECT_FALSE(form.system.PinCButton.visible());
  // Every button the general page shows says what it does, each in words of its own.
  std::set<std::string> hints;
  for (ui::Control* group : form.TabSheet1.children())
    for (ui::Control* c : group->children().empty() ? std::vector{group} : group->children())
      if (c->kind() == ui::Kind::Button && c->visible())
        EXPECT_TRUE(!c->hint().empty() && hints.insert(c->hint()).second) << c->name();
  EXPECT_GE(hints.size(), 8u);
  EXPECT_EQ(form.hintBar(), &form.registry.StatusBar1) << "where the hints show";
}

TEST_F(MainFormFixture, TheUndoButtonIsUsableExactlyWhenABackupIsThere) {
  create();
  EXPECT_FALSE(form.general.UndoButton.enabled()) << "no backup yet";
  form.general.Button10.userClick();  // game preset: saves a backup first
  EXPECT_TRUE(form.general.UndoButton.enabled());
  EXPECT_EQ(world.folders.fileNames(folder.file("Backup")).size(), 1u);

  TForm1 again{world.runtime, services};  // the next run finds the backup
  again.FormCreate();
  EXPECT_TRUE(again.general.UndoButton.enabled());
}

TEST_F(MainFormFixture, TheUndoButtonSitsBelowThePresetsInsideTheirGroup) {
  const auto group = form.general.GroupBox2.bounds();
  const auto undo = form.general.UndoButton.bounds();
  const auto lastPreset = form.general.Button12.bounds();
  EXPECT_GT(undo.top, lastPreset.top + lastPreset.height);
  EXPECT_LE(undo.top + undo.height + 8, group.height) << "inside the group's frame";
  EXPECT_LT(group.top + group.height, form.general.Detected.bounds().top)
      << "the group does not run into the detection results";
  EXPECT_EQ(form.general.UndoButton.caption(), "元に戻す(&U)");
}

namespace {

// clk.txt as the clock tool writes it: the clock at positions 32 onwards of line 14.
std::string clockReport(const std::string& clock) {
  std::string text;
  for (int line = 1; line <= 16; ++line)
    text += (line == 14 ? std::string(31, ' ') + clock + " MHz" : "line") + std::string("\r\n");
  return text;
}

}  // namespace

TEST_F(MainFormFixture, ClkBatStartsOnceTheWindowIsIdleAndTheOverclockPageWaitsForIt) {
  world.runtime.holdIdleWork = true;
  create();
  EXPECT_TRUE(world.launcher.starts.empty()) << "clk.bat held up the window";
  ASSERT_EQ(world.runtime.idleWork.size(), 1u);
  world.runtime.runIdleWork();
  ASSERT_EQ(world.launcher.starts.size(), 1u);
  EXPECT_EQ(world.launcher.starts[0].commandLine, folder.path() + "\\clk.bat");
  EXPECT_EQ(world.launcher.starts[0].show, platform::ShowMode::Normal);
  EXPECT_EQ(form.clock.Label89.caption(), folder.path() + "\\clk.bat");
  EXPECT_TRUE(world.launcher.waits.empty());

  // The report appears only when the batch file is done.
  world.launcher.onWait = [this] { folder.write("clk.txt", clockReport(" 99.60")); };
  form.clock.TabSheet3Show();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  ASSERT_EQ(world.launcher.waits.size(), 1u);
  EXPECT_EQ(world.launcher.waits[0].first, world.launcher.watched.at(0));
  EXPECT_EQ(world.launcher.waits[0].second, overclock::ClockService::kReportWaitMs);
  EXPECT_EQ(form.clock.Label92.caption(), "100MHz");
  form.clock.TabSheet3Show();
  EXPECT_EQ(world.launcher.waits.size(), 1u) << "waited again for a batch long done";
}

TEST_F(MainFormFixture, AnOverclockPageShownBeforeIdleStartsClkBatItselfAndOnlyOnce) {
  world.runtime.holdIdleWork = true;
  create();
  world.launcher.onWait = [this] { folder.write("clk.txt", clockReport("123.45")); };
  form.clock.TabSheet3Show();
  EXPECT_EQ(form.clock.Label92.caption(), "123MHz");
  world.runtime.runIdleWork();
  EXPECT_EQ(world.launcher.starts.size(), 1u);
  EXPECT_EQ(world.launcher.waits.size(), 1u);
}

TEST_F(MainFormFixture, ADriverKeyThatCannotBeMadeLeavesEveryOtherKeyAlone) {
  // The adapter's key is read just before the driver's: nothing meant for the driver's key may
  // be read from it or deleted in it.
  world.registry.setString(kDisplay + "0002", "DriverDesc", "Matrox Millennium G200 AGP");
  world.registry.setString(kDisplay + "0002", "Win98Virtual", "1");
  world.registry.setString(kDisplay + "0002", "Flip On Vblank", "1");
  world.registry.setString(kDisplay + "0002", "Mystclk", "C:\\Elsewhere\\Mystclk.com");
  world.registry.setInteger(kDisplay + "0002", "OverClock", 140);
  world.registry.refuseOpen(kDriverKey);
  create();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  EXPECT_TRUE(world.registry.journal().empty());
  EXPECT_TRUE(world.registry.valueExists(kDisplay + "0002", "Win98Virtual"));
  EXPECT_FALSE(form.registry.box("vsync").checked());
  EXPECT_EQ(form.clockService.toolPath(), folder.path() + "\\G200clk.exe");
  EXPECT_NE(form.clock.UpDown1.position(), 140);
}
