// The real corvane.exe on a Windows 98 machine under Wine, operated through its windows.
#include <gtest/gtest.h>

#include "e2e_driver.h"

#include <commctrl.h>

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kMachineRun = "Software\\Microsoft\\Windows\\CurrentVersion\\run";
const std::string kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display";

struct EndToEnd : ::testing::Test {
  void SetUp() override {
    deleteTree(HKEY_LOCAL_MACHINE, "Software\\Matrox");
    deleteTree(HKEY_LOCAL_MACHINE, "Software\\Corvane");
    deleteTree(HKEY_LOCAL_MACHINE, kDisplayClass);
    deleteTree(HKEY_CURRENT_CONFIG, "Display\\Settings");
    deleteValue(HKEY_LOCAL_MACHINE, kMachineRun, "G200 OverClock");
    writeString(HKEY_LOCAL_MACHINE, kDisplayClass + "\\0000", "DriverDesc", "Standard VGA");
    writeString(HKEY_LOCAL_MACHINE, kDisplayClass + "\\0002", "DriverDesc",
                "Matrox Millennium G200 AGP");
    writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "BitsPerPixel", "16");
    writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "Resolution", "800,600");
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Flip On Vblank", "1");
  }

  DWORD integer(const std::string& name) {
    DWORD value = 0;
    return readInteger(HKEY_LOCAL_MACHINE, kDriverKey, name, &value) ? value : 0xFFFFFFFF;
  }
};

}  // namespace

TEST_F(EndToEnd, StartUpShowsWhatTheRegistryHoldsAndWritesNothing) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  EXPECT_NE(child(main, "Matrox Millennium G200 AGP"), nullptr);
  EXPECT_NE(child(main, "16Bit"), nullptr);
  EXPECT_NE(child(main, "800,600"), nullptr) << "the resolution is shown as stored";
  EXPECT_NE(child(main, folder.path() + "\\G200clk.exe"), nullptr);
  ASSERT_NE(child(main, "垂直回期中にページフリップする"), nullptr);
  EXPECT_TRUE(checked(child(main, "垂直回期中にページフリップする")));
  EXPECT_FALSE(checked(child(main, "DDCの影響を強くする")));
  bool agpCreated = true;
  readString(HKEY_LOCAL_MACHINE, kDriverKey, "AGPFlags", &agpCreated);
  EXPECT_FALSE(agpCreated) << "showing the window created a value";
  EXPECT_TRUE(waitUntil([&] { return folder.exists("clk.txt"); })) << "clk.bat was not started";

  click(child(main, "終了(&E)"));
  EXPECT_TRUE(corvane.waitForExit(10000));
}

TEST_F(EndToEnd, BoxesAndTheAgpChoiceWriteTheirValuesAtOnce) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  click(child(corvane.main(), "DDCの影響を強くする"));
  EXPECT_TRUE(waitUntil([&] { return readString(HKEY_LOCAL_MACHINE, kDriverKey, "Force DDC") == "1"; }));
  click(child(corvane.main(), "垂直回期中にページフリップする"));
  EXPECT_TRUE(waitUntil([&] { return readString(HKEY_LOCAL_MACHINE, kDriverKey, "Flip On Vblank") == "0"; }));
  click(child(corvane.main(), "AGP 2x"));
  EXPECT_TRUE(waitUntil([&] { return readString(HKEY_LOCAL_MACHINE, kDriverKey, "AGPFlags") == "-1"; }));
}

TEST_F(EndToEnd, ClockChangeKeptWithOk) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND box = clockBox(corvane.main());
  ASSERT_NE(box, nullptr);
  setText(box, "120");
  click(child(corvane.main(), "クロック変更"));
  HWND confirm = waitForWindow("確認");
  ASSERT_NE(confirm, nullptr);
  EXPECT_NE(child(confirm, "120"), nullptr);
  EXPECT_NE(child(confirm, "5秒でクロックを89MHzに戻します。"), nullptr);
  click(child(confirm, "OK"));
  EXPECT_TRUE(waitUntil([&] { return integer("OverClock") == 120; }));
  EXPECT_NE(folder.read("clocktool.log").find("\"" + folder.path() + "\\G200clk.exe\" /1 220"),
            std::string::npos)
      << folder.read("clocktool.log");
  EXPECT_NE(child(corvane.main(), "120MHz"), nullptr);
  // Kept with OK: from now on the command line may set it too.
  DWORD confirmed = 0;
  EXPECT_TRUE(readInteger(HKEY_LOCAL_MACHINE, "Software\\Corvane", "ConfirmedClock", &confirmed));
  EXPECT_EQ(confirmed, 120u);
}

TEST_F(EndToEnd, CountdownRestoresTheDefaultClockOnTheSixthTick) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  setText(clockBox(corvane.main()), "120");
  click(child(corvane.main(), "クロック変更"));
  ASSERT_NE(waitForWindow("確認"), nullptr);
  EXPECT_EQ(answerMessage("情報"), "G200のクロックを 89MHz に戻しました。");
  EXPECT_TRUE(waitUntil([&] { return integer("OverClock") == 89; }));
  const std::string log = folder.read("clocktool.log");
  EXPECT_LT(log.find(" /1 220"), log.find(" /1 189")) << log;
  DWORD confirmed = 0;
  EXPECT_FALSE(readInteger(HKEY_LOCAL_MACHINE, "Software\\Corvane", "ConfirmedClock", &confirmed))
      << "a clock that was not kept counts as confirmed";
}

TEST_F(EndToEnd, StartUpEntryIsWrittenAndRemoved) {
  // 120 MHz kept with OK before, with this tool on this board: it may go to every start.
  writeString(HKEY_LOCAL_MACHINE, "Software\\Corvane", "ConfirmedTool", "G200clk.exe");
  writeString(HKEY_LOCAL_MACHINE, "Software\\Corvane", "ConfirmedAdapter",
              "Matrox Millennium G200 AGP");
  writeInteger(HKEY_LOCAL_MACHINE, "Software\\Corvane", "ConfirmedClock", 120);
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND remove = child(corvane.main(), "解除する");
  EXPECT_FALSE(IsWindowEnabled(remove));
  setText(clockBox(corvane.main()), "120");
  click(child(corvane.main(), "起動時から有効"));
  EXPECT_EQ(answerMessage("情報"), "G200のクロックを120MHzにして起動設定をします。");
  EXPECT_TRUE(waitUntil([&] {
    return readString(HKEY_LOCAL_MACHINE, kMachineRun, "G200 OverClock") ==
           "\"" + folder.path() + "\\G200clk.exe\" /1 220";
  }));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(remove) != FALSE; }));
  click(remove);
  bool found = true;
  EXPECT_TRUE(waitUntil([&] {
    readString(HKEY_LOCAL_MACHINE, kMachineRun, "G200 OverClock", &found);
    return !found;
  }));
}

TEST_F(EndToEnd, WithoutTheIniOfMystclkTheMessageSaysWhatToDoAndNothingPassesForDetected) {
  ProgramFolder folder;
  folder.remove("Mystclk.ini");
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("Mystclk.com"));
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Flip On Vblank", "1");
  Corvane corvane(folder);
  const std::string message = answerMessage("Matrox Corvane");
  EXPECT_EQ(message.rfind("ファイル " + folder.path() + "\\Mystclk.ini は開けません。\nMystclk.ini は", 0), 0u)
      << message;
  EXPECT_NE(message.find("corvane.exe と同じフォルダに置いてから"), std::string::npos) << message;
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  // The layout's sample values never pass for this machine's.
  for (const char* sample : {"Matrox Millennium G200 SE AGP", "Powerdesk Ver4.50",
                             "Plug and Play モニタ", "32Bit", "1024x768"})
    EXPECT_EQ(child(main, sample), nullptr) << sample;
  int unknown = 0;
  for (HWND label : children(main, "Static")) unknown += textOf(label) == "不明";
  EXPECT_GE(unknown, 5);
  HWND flip = child(main, "垂直回期中にページフリップする");
  ASSERT_NE(flip, nullptr);
  EXPECT_FALSE(checked(flip));
  EXPECT_FALSE(IsWindowEnabled(flip)) << "an unticked box would claim off";
  // The show step enables this one for the processor (this machine's has write combining).
  EXPECT_FALSE(IsWindowEnabled(child(main, "結合書き込みを使用")));
}

TEST_F(EndToEnd, G200clkNeedsNoIniAndStartsAsEverWithoutOne) {
  ProgramFolder folder;
  folder.remove("Mystclk.ini");
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Flip On Vblank", "1");
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND flip = child(corvane.main(), "垂直回期中にページフリップする");
  ASSERT_NE(flip, nullptr);
  EXPECT_TRUE(waitUntil([&] { return checked(flip); }));
  EXPECT_TRUE(IsWindowEnabled(flip));
  EXPECT_EQ(waitForWindow("Matrox Corvane", 0, "#32770"), nullptr) << "a message about the ini";
}

TEST_F(EndToEnd, OnAnNtSystemTheProgramRefusesAndEndsByItselfChangingNothing) {
  // Wine lets one program see another Windows version.
  writeString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\corvane-nt.exe", "Version", "winxp");
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Win98Virtual", "1");
  ProgramFolder folder("corvane-nt.exe");
  Corvane corvane(folder);
  // The program's own title and the error icon, as every error of the program.
  const HWND box = waitForWindow("Matrox Corvane", 10000, "#32770");
  ASSERT_NE(box, nullptr);
  bool icon = false;
  for (HWND s : children(box, "Static"))
    if ((GetWindowLongA(s, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = true;
  EXPECT_TRUE(icon) << "no icon in the refusal";
  EXPECT_EQ(answerMessage("Matrox Corvane"), "Windows95/98専用のプログラムです。");
  EXPECT_TRUE(corvane.waitForExit(15000)) << "the program did not end by itself";
  EXPECT_EQ(corvane.exitCode(), 1u) << "a batch file learns of the refusal";
  bool kept = false;
  readString(HKEY_LOCAL_MACHINE, kDriverKey, "Win98Virtual", &kept);
  EXPECT_TRUE(kept);
  EXPECT_FALSE(folder.exists("clk.txt")) << "clk.bat ran on a refused system";
  deleteTree(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\corvane-nt.exe");
}

namespace {

HWND visibleButton(HWND main, const std::string& caption) {
  for (HWND b : children(main, "Button"))
    if (IsWindowVisible(b) && textOf(b) == caption) return b;
  return nullptr;
}

}  // namespace

TEST_F(EndToEnd, EmergencyPresetWritesItsColumnAndRemovalTakesItBackOut) {
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "TVOutput", "1");
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  click(child(main, "緊急時専用モード"));
  EXPECT_EQ(answerMessage("情報"), "レジストリの設定を｢緊急時専用設定｣にしました。");
  EXPECT_TRUE(waitUntil([&] { return readString(HKEY_LOCAL_MACHINE, kDriverKey, "FastBlit") == "0"; }));
  EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, kDriverKey, "HicolorMode"), "1");
  EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, kDriverKey, "AGPFlags"), "0");
  bool touched = true;
  readString(HKEY_LOCAL_MACHINE, kDriverKey, "Use 3DNow", &touched);
  EXPECT_FALSE(touched);
  EXPECT_FALSE(checked(child(main, "高速転送を使用する")));
  EXPECT_TRUE(checked(child(main, "ハイカラーモード")));
  EXPECT_TRUE(checked(child(main, "AGP 1x")));

  // Removal, first declined.
  click(child(main, "アンインストールする"));
  HWND question = waitForWindow("どうする？", 10000, "#32770");
  ASSERT_NE(question, nullptr);
  PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(question); }));
  settle(main);
  EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, kDriverKey, "HicolorMode"), "1");
  // Then done.
  click(child(main, "アンインストールする"));
  EXPECT_EQ(answerMessage("どうする？"), "レジストリの設定をアンインストールしますか？");
  EXPECT_EQ(answerMessage("情報"), "レジストリの設定をアンインストールしました。");
  bool present = true;
  EXPECT_TRUE(waitUntil([&] {
    readString(HKEY_LOCAL_MACHINE, kDriverKey, "HicolorMode", &present);
    return !present;
  }));
  EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, kDriverKey, "SplitMode"), "0");
  EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, kDriverKey, "TVOutput"), "1");
  EXPECT_TRUE(checked(child(main, "TV Outを使用する。")));
  EXPECT_FALSE(checked(child(main, "ハイカラーモード")));
}

TEST_F(EndToEnd, TheGamesWindowOpensBesideTheMainWindowAndCreatesNoKey) {
  deleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D");
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  ASSERT_TRUE(clickTab(corvane.main(), 3));
  click(visibleButton(corvane.main(), "各種ゲーム用設定"));
  HWND games = waitForWindow("各種ゲーム用設定");
  ASSERT_NE(games, nullptr);
  EXPECT_FALSE(IsWindowEnabled(child(games, "32Bitカラーで動作させる")));
  EXPECT_TRUE(IsWindowEnabled(corvane.main())) << "the games window must not block";
  HKEY key;
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  click(child(games, "閉じる(&C)"));
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(games); }));
}

TEST_F(EndToEnd, TheAboutBoxIsModalAndClosesWithOk) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  click(child(corvane.main(), "バージョン情報"));
  HWND about = waitForWindow("バージョン情報");
  ASSERT_NE(about, nullptr);
  EXPECT_NE(child(about, "Matrox Corvane"), nullptr);
  EXPECT_NE(child(about, "1.43"), nullptr);
  EXPECT_FALSE(IsWindowEnabled(corvane.main()));
  click(child(about, "OK"));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(corvane.main()) != FALSE; }));
  EXPECT_FALSE(IsWindowVisible(about));
}

TEST_F(EndToEnd, EveryExitButtonEndsTheProgramFromItsTab) {
  for (int tab : {2, 3}) {
    ProgramFolder folder;
    Corvane corvane(folder);
    ASSERT_TRUE(corvane.waitForMainWindow());
    ASSERT_TRUE(clickTab(corvane.main(), tab));
    HWND exit = visibleButton(corvane.main(), "終了(&E)");
    ASSERT_NE(exit, nullptr) << "tab " << tab;
    click(exit);
    EXPECT_TRUE(corvane.waitForExit(10000)) << "tab " << tab;
  }
}
