// The real corvane.exe under Wine: a clock is kept only when the user saw the tool set it. A tool
// that fails opens no countdown, a typing slip runs nothing, a held Enter keeps nothing, only a
// confirmed clock goes to the start-up entry and the command line, and two tool runs never meet.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "e2e_driver.h"

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kCorvaneKey = "Software\\Corvane";
const std::string kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\run";

struct ClockTrust : ::testing::Test {
  void SetUp() override {
    deleteTree(HKEY_LOCAL_MACHINE, kCorvaneKey);
    deleteValue(HKEY_LOCAL_MACHINE, kRunKey, "G200 OverClock");
    seedG200At16Bits();
  }
  static DWORD integer(const std::string& key, const std::string& name) {
    DWORD value = 0;
    return readInteger(HKEY_LOCAL_MACHINE, key, name, &value) ? value : 0xFFFFFFFF;
  }
  static DWORD overClock() { return integer(kDriverKey, "OverClock"); }
  static DWORD confirmed() { return integer(kCorvaneKey, "ConfirmedClock"); }
  // The window is up and clk.bat has written its report (and let go of the tool).
  static HWND startWindow(Corvane& corvane, const ProgramFolder& folder) {
    if (!corvane.waitForMainWindow()) return nullptr;
    waitUntil([&] { return folder.exists("clk.txt"); });
    return corvane.main();
  }
  // Types a clock and presses クロック変更; the countdown, or nullptr when none came.
  static HWND changeClock(HWND main, const std::string& target, int milliseconds = 10000) {
    setText(clockBox(main), target);
    click(child(main, "クロック変更"));
    return waitForWindow("確認", milliseconds);
  }
  // OK in the countdown, and the clock stored.
  static void keep(HWND confirm, DWORD mhz) {
    ASSERT_NE(confirm, nullptr);
    click(child(confirm, "OK"));
    EXPECT_TRUE(waitUntil([&] { return overClock() == mhz; }));
  }
  static std::string quoted(const std::string& path) { return "\"" + path + "\""; }
};

}  // namespace

TEST_F(ClockTrust, AToolThatFailsOpensNoCountdownAndATypingSlipRunsNothing) {
  ProgramFolder folder;
  Corvane corvane(folder);
  HWND main = startWindow(corvane, folder);
  ASSERT_NE(main, nullptr);
  folder.write("exitcode.txt", "5");
  EXPECT_EQ(changeClock(main, "120", 0), nullptr);
  EXPECT_EQ(answerMessage("Matrox Corvane"),
            "クロックツール " + folder.file("G200clk.exe") + " がエラー 5 で終了しました。.");
  EXPECT_EQ(waitForWindow("確認", 0), nullptr);
  EXPECT_EQ(overClock(), 0xFFFFFFFFu) << "nothing recorded";
  EXPECT_EQ(confirmed(), 0xFFFFFFFFu);
  folder.remove("exitcode.txt");

  // "1000" is no clock of the profile: refused, naming the range; the tool does not run.
  const std::string before = folder.read("clocktool.log");
  EXPECT_EQ(changeClock(main, "1000", 0), nullptr);
  EXPECT_EQ(answerMessage("Matrox Corvane"),
            "「1000」はクロックとして使えません。89から135までの数値（MHz）を入力してください。.");
  EXPECT_EQ(folder.read("clocktool.log"), before);
  EXPECT_EQ(overClock(), 0xFFFFFFFFu);
}

TEST_F(ClockTrust, AnEnterHeldDownFromClockChangeDoesNotKeepTheClock) {
  ProgramFolder folder;
  Corvane corvane(folder);
  HWND main = startWindow(corvane, folder);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(clickTab(main, 2));
  HWND change = child(main, "クロック変更");
  setText(clockBox(main), "120");
  // The focus to クロック変更 as a user brings it there: into the clock box, then Tab.
  PostMessageA(clockBox(main), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(clockBox(main), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(waitUntil([&] { return focusOf(main) == clockBox(main); }));
  for (int presses = 0; presses < 6 && focusOf(main) != change; ++presses) {
    HWND from = focusOf(main);
    press(VK_TAB);
    waitUntil([&] { return focusOf(main) != from; });
  }
  ASSERT_EQ(focusOf(main), change) << textOf(focusOf(main));

  // Enter goes down on the button and stays down: the keyboard repeats it, as it does for a key
  // held, into the countdown when that opens.
  keybd_event(VK_RETURN, 0, 0, 0);
  HWND confirm = nullptr;
  int repeatsAfterOpening = 0;
  for (int repeat = 0; repeat < 400 && repeatsAfterOpening < 15; ++repeat) {
    Sleep(30);  // the keyboard's own repeat rate
    keybd_event(VK_RETURN, 0, 0, 0);
    if (!confirm) confirm = waitForWindow("確認", 0);
    if (confirm) ++repeatsAfterOpening;
  }
  keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
  ASSERT_NE(confirm, nullptr);
  // The countdown runs out and restores: the held key pressed nothing in it.
  HWND told = waitForWindow("情報", 15000, "#32770");
  ASSERT_NE(told, nullptr) << "the held Enter kept the clock";
  EXPECT_EQ(answerMessage("情報"), "G200のクロックを 89MHz に戻しました。");
  EXPECT_TRUE(waitUntil([&] { return overClock() == 89; }));
  EXPECT_EQ(confirmed(), 0xFFFFFFFFu);
}

TEST_F(ClockTrust, OnlyAConfirmedClockGoesToTheStartUpEntryAndTheCommandLine) {
  // The default raised to 230 in the options window is no confirmation.
  writeInteger(HKEY_LOCAL_MACHINE, kDriverKey, "OverClockDEF89", 230);
  writeInteger(HKEY_LOCAL_MACHINE, kDriverKey, "OverClockMAX89", 230);
  ProgramFolder folder;
  {
    Corvane command(folder, "/clock 230");
    const std::string message = answerMessage("Matrox Corvane");
    EXPECT_EQ(message.find("230MHzにはコマンドラインから変更できません。"), 0u) << message;
    ASSERT_TRUE(command.waitForExit(20000));
    EXPECT_EQ(command.exitCode(), 1u);
  }
  {
    Corvane corvane(folder);
    HWND main = startWindow(corvane, folder);
    ASSERT_NE(main, nullptr);
    setText(clockBox(main), "230");
    click(child(main, "起動時から有効"));
    const std::string refusal = answerMessage("Matrox Corvane");
    EXPECT_EQ(refusal.find("230MHzは起動時の設定にできません。"), 0u) << refusal;
    bool found = true;
    readString(HKEY_LOCAL_MACHINE, kRunKey, "G200 OverClock", &found);
    EXPECT_FALSE(found) << "registered for every start unconfirmed";

    // Seen to hold, with OK: from now on both take it.
    keep(changeClock(main, "230"), 230);
    EXPECT_TRUE(waitUntil([&] { return confirmed() == 230; }));
    click(child(main, "起動時から有効"));
    EXPECT_EQ(answerMessage("情報"), "G200のクロックを230MHzにして起動設定をします。");
    EXPECT_TRUE(waitUntil([&] {
      return readString(HKEY_LOCAL_MACHINE, kRunKey, "G200 OverClock") ==
             quoted(folder.file("G200clk.exe")) + " /1 330";
    }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(corvane.waitForExit(10000));
  }
  Corvane command(folder, "/clock 230");
  ASSERT_TRUE(command.waitForExit(20000)) << answerMessage("Matrox Corvane", 1000);
  EXPECT_EQ(command.exitCode(), 0u);
  EXPECT_EQ(overClock(), 230u);
}

TEST_F(ClockTrust, TwoToolRunsNeverMeetAcrossTwoCopiesOfCorvane) {
  ProgramFolder folder;
  Corvane corvane(folder);
  HWND main = startWindow(corvane, folder);
  ASSERT_NE(main, nullptr);
  // A command line's tool is slow to finish: the window's change waits for it, then gives up.
  folder.write("hold.txt", "");
  Corvane command(folder, "/clock 89");
  ASSERT_TRUE(waitUntil([&] { return folder.read("clocktool.log").find(" /1 189") != std::string::npos; }, 20000));
  EXPECT_EQ(changeClock(main, "120", 0), nullptr);
  const std::string busy = answerMessage("Matrox Corvane", 15000);
  folder.remove("hold.txt");
  EXPECT_EQ(busy.find("別のクロックツールがまだ動いているため"), 0u) << busy;
  ASSERT_TRUE(command.waitForExit(20000));
  EXPECT_EQ(command.exitCode(), 0u);
  EXPECT_EQ(folder.read("clocktool.log").find(" /1 220"), std::string::npos) << "ran beside the other";

  // Free again: the window's change runs.
  keep(changeClock(main, "120"), 120);
  const std::string log = folder.read("clocktool.log");
  EXPECT_EQ(log.find("OVERLAP"), std::string::npos) << log;
  EXPECT_LT(log.find(" /1 189"), log.find(" /1 220")) << log;
}

TEST_F(ClockTrust, FromAShortcutThatStartsElsewhereTheToolFindsItsIni) {
  ProgramFolder folder;
  CopyFileA(folder.file("G200clk.exe").c_str(), folder.file("Mystclk.com").c_str(), FALSE);
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("Mystclk.com"));
  Corvane corvane(folder, "", elsewhere());
  HWND main = startWindow(corvane, folder);
  ASSERT_NE(main, nullptr);
  keep(changeClock(main, "120"), 120);
  EXPECT_NE(folder.read("clocktool.log").find(quoted(folder.file("Mystclk.com")) + " /1 12 108 0"),
            std::string::npos);
}

TEST_F(ClockTrust, TheOptionsWindowShowsWhatIsStoredAfterEsc) {
  ProgramFolder folder;
  Corvane corvane(folder);
  HWND main = startWindow(corvane, folder);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(clickTab(main, 2));
  click(child(main, "オプション(&O)"));
  HWND options = waitForWindow("オーバークロックのオプション");
  ASSERT_NE(options, nullptr);
  HWND firstBox = children(options, "Edit").at(0);
  ASSERT_EQ(textOf(firstBox), "89");
  setText(firstBox, "120");
  ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == options; }));
  press(VK_ESCAPE);
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(options); }));
  EXPECT_EQ(integer(kDriverKey, "OverClockDEF89"), 0xFFFFFFFFu);
  click(child(main, "オプション(&O)"));
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(options) != FALSE; }));
  EXPECT_EQ(textOf(children(options, "Edit").at(0)), "89") << "the discarded value came back";
  press(VK_ESCAPE);
}
