// The clock's safety rails: every value that reaches the tool is one the user can see inside the
// limits, a clock on trial never outlives the program, and the clock tool's ini file is left as
// it was whenever it cannot be rewritten.
#include <sys/stat.h>

#include "page_fixture.h"

using Strings = std::vector<std::string>;

namespace {

const std::string kRestored = "情報|G200のクロックを 89MHz に戻しました。";

}  // namespace

TEST_F(ClockPageTest, ClocksFromTheReportOrTheRegistryEnterTheSpinInsideItsLimits) {
  writeReport("150.00");
  world.registry.setInteger(kSettings, "OverClock", 200);
  startUp();  // no profile: 89 to 135
  EXPECT_EQ(page.UpDown1.position(), 135);
  page.TabSheet3Show();
  EXPECT_EQ(page.Label92.caption(), "150MHz") << "the chip's clock is shown as it is";
  EXPECT_EQ(page.UpDown1.position(), 135);
  EXPECT_EQ(page.Edit1.text(), "135");
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button1.userClick(); });
  page.Button3.userClick();
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 235");
  EXPECT_EQ(stored("OverClock"), 135);
}

TEST_F(ClockPageTest, AStoredClockThatTheProfileAllowsIsKept) {
  world.registry.setInteger(kSettings, "OverClock", 150);
  world.registry.setInteger(kSettings, "OverClockMAX89", 180);
  startUp(16);
  EXPECT_EQ(page.UpDown1.position(), 150);
  // The options window lowers the maximum: the target follows it down at once.
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    options.UpDown2.userSetPosition(140);
    options.Button1.userClick();
  });
  page.Option.userClick();
  EXPECT_EQ(page.UpDown1.position(), 140);
  EXPECT_EQ(page.Edit1.text(), "140");
}

TEST_F(ClockPageTest, ATypedClockOutsideTheLimitsOrNoNumberRunsNothing) {
  world.registry.setInteger(kSettings, "OverClockDEF89", 100);
  world.registry.setInteger(kSettings, "OverClockMAX89", 180);
  startUp(16);
  folder.write("G200clk.exe", "");
  clock.recordKept(180);
  // A slip of the keyboard is refused, naming the range: it never becomes the nearest end.
  for (const char* typed : {"1000", "50", "181", "-7", "99999999999", "abc", "12x", ""}) {
    SCOPED_TRACE(typed);
    world.dialogs.boxes.clear();
    page.Edit1.userSetText(typed);
    page.Button3.userClick();
    page.Button2.userClick();  // the start-up entry reads the box the same way
    EXPECT_EQ(boxTexts(), Strings(2, std::string("Matrox Corvane|「") + typed +
                                         "」はクロックとして使えません。100から180までの数値（MHz）"
                                         "を入力してください。."));
    EXPECT_EQ(started(), Strings{folder.file("clk.bat")});
    EXPECT_TRUE(world.runtime.modalRuns.empty());
    EXPECT_FALSE(world.registry.valueExists(kRun, "G200 OverClock"));
  }
  // What the box shows within the range is what runs and is kept.
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button1.userClick(); });
  page.Edit1.userSetText("0150");
  page.Button3.userClick();
  EXPECT_EQ(page.Edit1.text(), "150");
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 250");
  EXPECT_EQ(stored("OverClock"), 150);
  EXPECT_EQ(kaku.Label4.caption(), "150");
  // The spin's arrows keep to the limits as ever.
  page.UpDown1.userSetPosition(500);
  EXPECT_EQ(page.Edit1.text(), "180");
}

TEST_F(ClockPageTest, TheOptionsWindowStoresWhatItsBoxesShow) {
  world.registry.setInteger(kSettings, "OverClockDEF89", 60);  // written by something else
  world.registry.setInteger(kSettings, "OverClockMAX66", 250);
  startUp(16);
  EXPECT_EQ(clock.defaultClock(), 70);
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    EXPECT_EQ(options.Edit1.text(), "70");
    EXPECT_EQ(options.Edit3.text(), "200");
    for (const ui::Label* warning : {&options.WarningLine1, &options.WarningLine2})
      EXPECT_TRUE(warning->bold() && warning->colour() == ui::kRed) << "the warning stands out";
    options.Edit2.userSetText("300");
    options.Edit4.userSetText("12");
    options.Button1.userClick();
    EXPECT_EQ(options.Edit2.text(), "230");
    EXPECT_EQ(options.Edit4.text(), "66");
  });
  page.Option.userClick();
  EXPECT_EQ(stored("OverClockDEF89"), 70);
  EXPECT_EQ(stored("OverClockMAX89"), 230);
  EXPECT_EQ(stored("OverClockMAX66"), 200);
  EXPECT_EQ(stored("OverClockDEF66"), 66);
  EXPECT_EQ(page.UpDown1.max(), 230);
  page.Button4.userClick();  // the restore has a command to run
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 170");
}

TEST_F(ClockPageTest, EndingTheProgramDuringTheCountdownRestoresOnce) {
  startUp();
  page.UpDown1.userSetPosition(120);
  world.runtime.onProgramEnding = [&] { kaku.programEnding(); };
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    kaku.Timer1.tick();
    world.runtime.programEnding();  // asked twice, as Windows asks every window
    world.runtime.programEnding();
  });
  page.Button3.userClick();
  EXPECT_EQ(started(), (Strings{folder.file("clk.bat"), folder.file("G200clk.exe") + " /1 220",
                                folder.file("G200clk.exe") + " /1 189"}));
  EXPECT_EQ(boxTexts(), Strings{kRestored});
  EXPECT_FALSE(kaku.visible());
  EXPECT_FALSE(kaku.Timer1.timerEnabled());
  EXPECT_EQ(stored("OverClock"), 89);
  EXPECT_EQ(page.Label92.caption(), "89MHz");

  // With no countdown running, the end of the program changes nothing.
  world.runtime.programEnding();
  EXPECT_EQ(started().size(), 3u);
  EXPECT_EQ(boxTexts().size(), 1u);
}

TEST_F(ClockPageTest, ARefusedStoreDuringTheCountdownIsReportedOnce) {
  startUp();
  page.UpDown1.userSetPosition(120);
  world.registry.refuseWrites(kSettings, "OverClock");
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button2.userClick(); });
  page.Button3.userClick();
  EXPECT_EQ(boxTexts(), (Strings{kRestored, "Matrox Corvane|'OverClock' の設定に失敗しました."}));
  EXPECT_FALSE(kaku.visible());

  // Kept with OK, the one store is the change's own, and its error shows once too.
  world.dialogs.boxes.clear();
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button1.userClick(); });
  page.Button3.userClick();
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|'OverClock' の設定に失敗しました."});
}

TEST_F(ClockPageTest, AReadOnlyIniIsRefusedAndLeftAsItWas) {
  world.registry.setString(kSettings, "Mystclk", "C:\\Mystclk.com");
  const std::string bytes = "PCIBIOS=1\r\nPORT=\x87\x9A\r\n";
  folder.write("Mystclk.ini", bytes);
  startUp();
  const std::string ini = folder.file("Mystclk.ini");
  std::string hostIni = ini;
#ifndef _WIN32
  for (char& c : hostIni)
    if (c == '\\') c = '/';
  ASSERT_EQ(chmod(hostIni.c_str(), 0444), 0);
#else
  ASSERT_EQ(_chmod(hostIni.c_str(), _S_IREAD), 0);
#endif
  page.RadioGroup1.userSelect(1);
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|ファイル " + ini + " を作成できません."});
  EXPECT_EQ(folder.read("Mystclk.ini"), bytes);
  EXPECT_EQ(page.RadioGroup1.itemIndex(), 0) << "the choice on screen is the file's";
  struct stat info {};
  ASSERT_EQ(stat(hostIni.c_str(), &info), 0);
#ifndef _WIN32
  EXPECT_EQ(info.st_mode & 0222, 0u) << "still read-only";
  chmod(hostIni.c_str(), 0644);
#else
  EXPECT_EQ(info.st_mode & _S_IWRITE, 0);
  _chmod(hostIni.c_str(), _S_IREAD | _S_IWRITE);
#endif
}

TEST_F(ClockPageTest, TheToolNeverRunsBesideTheReportBatchFile) {
  startUp();  // clk.bat is running: it has the tool write its report
  size_t startsDuringTheWait = 0;
  world.launcher.onWait = [&] { startsDuringTheWait = world.launcher.starts.size(); };
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button1.userClick(); });
  page.Button3.userClick();
  ASSERT_EQ(world.launcher.waits.size(), 1u) << "the clock changed while the report was written";
  EXPECT_EQ(world.launcher.waits[0].second, overclock::ClockService::kReportWaitMs);
  EXPECT_EQ(startsDuringTheWait, 1u) << "the tool started before the batch file was done";
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 189");
  // Once done, it is not waited for again: the countdown's restore runs at once.
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button2.userClick(); });
  page.Button3.userClick();
  EXPECT_EQ(world.launcher.waits.size(), 1u);
}
