// The clock page: start-up, the tool and its ini file, the chip's clock, the start-up entry.
#include "page_fixture.h"
#include "text/catalogue.h"

using overclock::ClockToolKind;
using Strings = std::vector<std::string>;

TEST_F(ClockPageTest, StartsWithTheDefaultToolWhenNothingIsStored) {
  startUp();
  const std::string tool = folder.file("G200clk.exe");
  EXPECT_EQ(clock.toolPath(), tool);
  EXPECT_EQ(page.Edit2.text(), tool);
  EXPECT_TRUE(page.Edit2.readOnly()) << "the tool is chosen through the dialog";
  EXPECT_EQ(clock.toolKind(), ClockToolKind::G200clk);
  EXPECT_FALSE(page.RadioGroup1.enabled());
  EXPECT_EQ(page.Label14.caption(), "Matrox MGA-G200 Optimizer");
  EXPECT_FALSE(page.Button7.enabled());
  EXPECT_FALSE(page.Memo3.visible() || page.Label89.visible()) << "kept out of sight";
  EXPECT_TRUE(page.Label10.bold() && page.Label34.bold());
  EXPECT_EQ(page.Memo1.lines().front(), "G200clk.exe/Mystclk.comの場所を指定してからお使いください。");
  EXPECT_EQ(started(), Strings{folder.file("clk.bat")});
  EXPECT_EQ(world.launcher.starts[0].show, platform::ShowMode::Normal);
  // No colour depth known: no profile, the initial limits stay.
  EXPECT_EQ(page.UpDown1.min(), 89);
  EXPECT_EQ(page.UpDown1.max(), 135);
  EXPECT_EQ(page.Label28.caption(), "135MHｚ");
  EXPECT_EQ(world.registry.journal(), Strings{});
}

TEST_F(ClockPageTest, StartUpTakesStoredValuesAndShowingTheChipsetWritesNothing) {
  folder.write("Mystclk.ini", "pcibios=1\r\nKEEP\r\n");
  world.registry.setInteger(kSettings, "OverClock", 120);
  world.registry.setString(kSettings, "Mystclk", "C:\\OC\\MYSTCLK.COM");
  world.registry.setString(kRun, "G200 OverClock", "x");
  startUp();
  EXPECT_EQ(page.UpDown1.position(), 120);
  EXPECT_EQ(page.Edit1.text(), "120");
  EXPECT_EQ(clock.toolKind(), ClockToolKind::Mystclk);
  EXPECT_EQ(page.Label15.caption(), "Version 0.32 Beta以降");
  EXPECT_TRUE(page.RadioGroup1.enabled());
  EXPECT_EQ(page.RadioGroup1.itemIndex(), 1);
  EXPECT_EQ(folder.read("Mystclk.ini"), "pcibios=1\r\nKEEP\r\n");
  EXPECT_TRUE(page.Button7.enabled());

  world.registry.setInteger(kSettings, "OverClock", 70000);  // no clock of ours: not stored
  page.loadLastClockAndToolPath();
  EXPECT_EQ(page.UpDown1.position(), 120);
}

TEST_F(ClockPageTest, FilesBesideTheProgramAreFoundInAnyFolder) {
  folder.write("Mystclk.ini", "");
  EXPECT_NO_THROW(page.loadMystclkIni());  // empty is no error
  page.RadioGroup1.userSelect(1);
  EXPECT_EQ(folder.read("Mystclk.ini"), "PCIBIOS=0\r\n");
  services.programFolder = folder.path() + "\\missing";
  try {
    page.loadMystclkIni();
    FAIL() << "no error";
  } catch (const platform::UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + folder.path() + "\\missing\\Mystclk.ini は開けません");
  }
  services.programFolder = "C:\\Program Files\\Corvane";
  page.startBatchFile();
  services.programFolder = "C:\\";
  page.startBatchFile();
  EXPECT_EQ(started(), (Strings{"\"C:\\Program Files\\Corvane\\clk.bat\"", "C:\\clk.bat"}));
  EXPECT_EQ(page.Label89.caption(), "C:\\clk.bat");
}

TEST_F(ClockPageTest, PickingAChipsetRewritesLineOneOnly) {
  folder.write("Mystclk.ini", "PCIBIOS=1 \r\nA=1\r\n\r\nB\r\nend");
  world.registry.setString(kSettings, "Mystclk", "Mystclk.com");
  startUp();
  EXPECT_EQ(page.RadioGroup1.itemIndex(), 1);
  page.RadioGroup1.userSelect(0);
  EXPECT_EQ(folder.read("Mystclk.ini"), "PCIBIOS=1\r\nA=1\r\n\r\nB\r\nend\r\n");
  page.RadioGroup1.userSelect(1);
  EXPECT_EQ(folder.read("Mystclk.ini"), "PCIBIOS=0\r\nA=1\r\n\r\nB\r\nend\r\n");

  services.programFolder = folder.path() + "\\gone";  // the file cannot be written any more
  page.RadioGroup1.userSelect(0);
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|ファイル " + folder.path() +
                                "\\gone\\Mystclk.ini を作成できません."});
  EXPECT_EQ(page.RadioGroup1.itemIndex(), 1);
  EXPECT_EQ(page.mystclkIniLines()[0], "PCIBIOS=0");
}

TEST_F(ClockPageTest, AnIniTooLargeOrMissingIsRefusedAndNeverWritten) {
  // Exactly at the bound is still an ini.
  folder.write("Mystclk.ini", "PCIBIOS=1\r\n" + std::string(64 * 1024 - 11, 'x'));
  EXPECT_NO_THROW(page.loadMystclkIni());
  EXPECT_EQ(page.mystclkIniLines().size(), 2u);

  const std::string huge = "PCIBIOS=1\r\n" + std::string(64 * 1024 - 10, 'x');
  folder.write("Mystclk.ini", huge);
  world.registry.setString(kSettings, "Mystclk", "Mystclk.com");
  const std::string tooLarge =
      "ファイル " + folder.path() + "\\Mystclk.ini は大きすぎます（64KBまで）";
  try {
    page.loadMystclkIni();
    FAIL() << "a file beyond the bound was read";
  } catch (const platform::UserError& e) {
    EXPECT_EQ(std::string(e.what()), tooLarge);
  }
  // Its lines are unknown, so the choice stays closed even with Mystclk.com; and should a pick
  // come all the same, it must not replace them with one line.
  page.loadLastClockAndToolPath();
  page.ClassifyClockTool();
  EXPECT_FALSE(page.RadioGroup1.enabled());
  page.RadioGroup1.setEnabled(true);
  page.RadioGroup1.userSelect(0);
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|" + tooLarge + "."});
  EXPECT_EQ(page.RadioGroup1.itemIndex(), 1);
  EXPECT_EQ(folder.read("Mystclk.ini"), huge);

  // Nor is a missing one made from nothing.
  doubles::TempFolder empty;
  services.programFolder = empty.path();
  EXPECT_THROW(page.loadMystclkIni(), platform::UserError);
  page.RadioGroup1.userSelect(0);
  EXPECT_FALSE(empty.exists("Mystclk.ini"));
  EXPECT_EQ(boxTexts().back(),
            "Matrox Corvane|ファイル " + empty.path() + "\\Mystclk.ini は開けません.");
}

TEST_F(ClockPageTest, AClockReportTooLargeIsRefusedLikeAMissingOne) {
  startUp();
  writeReport(" 99.60");
  folder.write("clk.txt", folder.read("clk.txt") + std::string(70 * 1024, ' '));
  pages.setActivePage(0);
  ASSERT_EQ(boxTexts().size(), 1u);
  EXPECT_EQ(boxTexts()[0],
            "Matrox Corvane|ファイル " + folder.path() + "\\clk.txt は大きすぎます（64KBまで）.");
  EXPECT_FALSE(page.currentClockRead());
  EXPECT_EQ(page.Label92.caption(), "89MHz");
}

TEST_F(ClockPageTest, TheChipsClockIsReadOnceFromACompleteReportWithDigitsWhereDigitsBelong) {
  startUp();
  pages.setActivePage(0);  // no clk.txt yet: the file error, and the next showing tries again
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_FALSE(page.currentClockRead());

  folder.write("clk.txt", "short\r\n");
  pages.setActivePage(0);
  writeReport(" 8?.60");
  pages.setActivePage(0);
  EXPECT_EQ(boxTexts().back(), "Matrox Corvane|'?' は数値ではありません.");
  EXPECT_EQ(world.dialogs.boxes.size(), 2u);  // none for the unfinished report
  EXPECT_EQ(page.Label92.caption(), "89MHz");
  EXPECT_FALSE(page.currentClockRead());

  writeReport(" 99.60");
  pages.setActivePage(0);
  EXPECT_EQ(page.Label92.caption(), "100MHz");
  EXPECT_EQ(page.UpDown1.position(), 100);
  EXPECT_TRUE(page.currentClockRead());

  writeReport("123.45");
  page.UpDown1.userSetPosition(110);
  pages.setActivePage(0);
  EXPECT_EQ(page.Label92.caption(), "110MHz");
}

TEST_F(ClockPageTest, LocatingTheToolStoresItAndSwitchesTheTable) {
  startUp();
  page.SpeedButton1.userClick();  // cancelled
  ASSERT_EQ(world.dialogs.fileDialogs.size(), 1u);
  const auto& dialog = world.dialogs.fileDialogs[0];
  EXPECT_EQ(dialog.title, "G200clk.exe又はMystclk.comを指定");
  EXPECT_EQ(dialog.fileName, "G200clk.exe");
  ASSERT_EQ(dialog.filters.size(), 3u);
  EXPECT_EQ(dialog.filters[0].pattern, "G200clk.exe;Mystclk.com");
  EXPECT_EQ(dialog.filters[2].description, "Mystclk.com");
  EXPECT_FALSE(world.registry.valueExists(kSettings, "Mystclk"));

  world.dialogs.fileAnswers.push_back("D:\\Tools\\MYSTCLK.COM");
  page.SpeedButton1.userClick();
  EXPECT_EQ(world.registry.stringValue(kSettings, "Mystclk"), "D:\\Tools\\MYSTCLK.COM");
  EXPECT_EQ(clock.commandFor(120), "D:\\Tools\\MYSTCLK.COM /1 12 108 0");
  EXPECT_TRUE(page.RadioGroup1.enabled());

  world.registry.refuseWrites(kSettings, "Mystclk");
  world.dialogs.fileAnswers.push_back("D:\\G200clk.exe");
  page.SpeedButton1.userClick();
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|'Mystclk' の設定に失敗しました."});
  EXPECT_EQ(clock.toolKind(), ClockToolKind::G200clk);  // the kind follows what is shown
  EXPECT_EQ(page.Label14.caption(), "Matrox MGA-G200 Optimizer");
  EXPECT_FALSE(page.RadioGroup1.enabled());
  EXPECT_EQ(page.Edit2.text(), "D:\\G200clk.exe");
}

TEST_F(ClockPageTest, TheStartUpEntryHoldsTheCommandOfTheMomentOfRegistration) {
  const std::string tool = folder.file("Program Files\\G200clk.exe");
  world.folders.makeFolder(folder.file("Program Files"));
  folder.write("Program Files\\G200clk.exe", "");
  world.registry.setString(kSettings, "Mystclk", tool);
  startUp();
  clock.recordKept(130);
  page.UpDown1.userSetPosition(120);
  page.Button2.userClick();
  page.UpDown1.userSetPosition(130);
  page.Button2.userClick();
  EXPECT_EQ(world.registry.stringValue(kRun, "G200 OverClock"), "\"" + tool + "\" /1 230");
  EXPECT_EQ(boxTexts()[0], "情報|G200のクロックを120MHzにして起動設定をします。");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Information);
  EXPECT_TRUE(page.Button7.enabled());
  EXPECT_EQ(started().size(), 1u);  // clk.bat only: the tool does not run now
  EXPECT_FALSE(stored("OverClock"));

  world.dialogs.fileAnswers.push_back("C:\\Mystclk.com");
  page.SpeedButton1.userClick();
  EXPECT_EQ(world.registry.stringValue(kRun, "G200 OverClock"), "\"" + tool + "\" /1 230");

  page.Button7.userClick();
  EXPECT_FALSE(world.registry.valueExists(kRun, "G200 OverClock"));
  EXPECT_FALSE(page.Button7.enabled());
  page.Button7.setEnabled(true);
  page.Button7.userClick();  // nothing to remove: no error
  EXPECT_FALSE(page.Button7.enabled());
  EXPECT_EQ(world.dialogs.boxes.size(), 2u);
}

TEST_F(ClockPageTest, NoTargetOutsideTheLimitsReachesTheToolAndAStuckEntryIsReported) {
  world.registry.setString(kRun, "G200 OverClock", "old");
  world.registry.setInteger(kSettings, "OverClockDEF89", 50);  // not written by this program
  startUp(16);
  EXPECT_EQ(clock.defaultClock(), 70) << "the stored default comes in at the options' lowest";
  page.UpDown1.setPosition(231);
  EXPECT_EQ(page.UpDown1.position(), 135);
  EXPECT_EQ(page.Edit1.text(), "135");
  folder.write("G200clk.exe", "");
  clock.recordKept(135);
  page.Button2.userClick();
  EXPECT_EQ(world.registry.stringValue(kRun, "G200 OverClock"), folder.file("G200clk.exe") + " /1 235");
  page.Button4.userClick();
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 170");
  EXPECT_EQ(stored("OverClock"), 70);
  EXPECT_EQ(page.UpDown1.position(), 70);
  EXPECT_EQ(page.Label92.caption(), "70MHz");

  world.registry.refuseWrites(kRun, "G200 OverClock");
  page.Button7.userClick();
  EXPECT_EQ(boxTexts().back(), "Matrox Corvane|'G200 OverClock' の削除に失敗しました.");
  EXPECT_TRUE(page.Button7.enabled());
}

TEST_F(ClockPageTest, EachControlHasItsHintAndShowsItAsATooltip) {
  using text::Id;
  const std::pair<const ui::Control*, Id> hints[] = {
      {&page.Edit1, Id::ClockTargetHint},         {&page.UpDown1, Id::ClockSpinHint},
      {&page.Button3, Id::ClockChangeHint},       {&page.Button4, Id::ClockRestoreDefaultHint},
      {&page.Edit2, Id::ClockToolPathHint},       {&page.SpeedButton1, Id::ClockBrowseHint},
      {&page.Button2, Id::ClockStartupSetHint},   {&page.Button7, Id::ClockStartupClearHint},
      {&page.Button8, Id::ExitHint},              {&page.ShortcutButton, Id::ShortcutButtonHint}};
  for (const auto& [control, hint] : hints) {
    EXPECT_EQ(control->hint(), text::tr(hint)) << control->name();
    EXPECT_TRUE(control->showHint()) << control->name();
    EXPECT_GT(control->bounds().width * control->bounds().height, 0) << "nowhere to hover";
  }
}
