// The real corvane.exe under Wine, off the scripted paths: clocks outside the limits, the
// program ended while a clock is on trial, and the clock tool's ini file.
#include "e2e_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";

struct Safety : ::testing::Test {
  void SetUp() override {
    seedG200At16Bits();
  }

  static void writeInteger(const std::string& name, DWORD value) {
    HKEY k;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDriverKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &k, nullptr);
    RegSetValueExA(k, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
    RegCloseKey(k);
  }
  static DWORD integer(const std::string& name) {
    DWORD value = 0;
    return readInteger(HKEY_LOCAL_MACHINE, kDriverKey, name, &value) ? value : 0xFFFFFFFF;
  }

  // Clicks the overclock tab's header, as a user does.
  static bool showClockTab(HWND main) {
    HWND tabs = children(main, "SysTabControl32").at(0);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(166, 10));
    PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(166, 10));
    return waitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 2; });
  }

  // Answers the restore's message, and says whether the countdown had run out by then: the
  // countdown restores by itself once its bar is full, so a restore that comes while the bar is
  // short of that came from what the test did. The countdown stays up until the message is
  // answered.
  static std::string answerRestore(HWND confirm, bool* countdownRanOut) {
    HWND box = waitForWindow("情報", 10000, "#32770");
    const auto bars = children(confirm, "msctls_progress32");
    *countdownRanOut = bars.empty() || SendMessageA(bars[0], PBM_GETPOS, 0, 0) >= 5;
    return box ? answerMessage("情報") : "(no message box)";
  }

  // Starts a change to `target` and waits for the countdown.
  static HWND changeClock(HWND main, const std::string& target) {
    setText(clockBox(main), target);
    click(child(main, "クロック変更"));
    return waitForWindow("確認");
  }
};

}  // namespace

TEST_F(Safety, ClocksFromTheReportTheRegistryAndTheKeyboardRunInsideTheLimits) {
  {
    // The chip runs at 150 MHz and "OverClock" holds 200; the limit is 135.
    ProgramFolder folder;
    folder.write("chipclock.txt", "150.00");
    writeInteger("OverClock", 200);
    Corvane corvane(folder);
    ASSERT_TRUE(corvane.waitForMainWindow());
    HWND main = corvane.main();
    EXPECT_EQ(textOf(clockBox(main)), "135");
    ASSERT_TRUE(waitUntil([&] { return folder.exists("clk.txt"); }));
    ASSERT_TRUE(showClockTab(main));
    EXPECT_TRUE(waitUntil([&] { return child(main, "150MHz") != nullptr; }));
    EXPECT_EQ(textOf(clockBox(main)), "135");
    click(child(main, "クロック変更"));
    HWND confirm = waitForWindow("確認");
    ASSERT_NE(confirm, nullptr);
    EXPECT_NE(child(confirm, "135"), nullptr);
    click(child(confirm, "OK"));
    EXPECT_TRUE(waitUntil([&] { return integer("OverClock") == 135; }));
    const std::string log = folder.read("clocktool.log");
    EXPECT_NE(log.find(" /1 235"), std::string::npos) << log;
    EXPECT_EQ(log.find(" /1 250"), std::string::npos) << log;
    EXPECT_EQ(log.find(" /1 300"), std::string::npos) << log;
  }
  {
    // Limits 100 to 180: "200" typed is refused, naming them; "180" runs.
    writeInteger("OverClockDEF89", 100);
    writeInteger("OverClockMAX89", 180);
    ProgramFolder folder;
    Corvane corvane(folder);
    ASSERT_TRUE(corvane.waitForMainWindow());
    HWND main = corvane.main();
    setText(clockBox(main), "200");
    click(child(main, "クロック変更"));
    EXPECT_EQ(answerMessage("Matrox Corvane"),
              "「200」はクロックとして使えません。100から180までの数値（MHz）を入力してください。.");
    HWND confirm = changeClock(main, "180");
    ASSERT_NE(confirm, nullptr);
    EXPECT_NE(child(confirm, "180"), nullptr);
    // The countdown names the default it goes back to.
    EXPECT_NE(child(confirm, "5秒でクロックを100MHzに戻します。"), nullptr);
    click(child(confirm, "OK"));
    EXPECT_TRUE(waitUntil([&] { return integer("OverClock") == 180; }));
    const std::string log = folder.read("clocktool.log");
    EXPECT_NE(log.find(" /1 280"), std::string::npos) << log;
    EXPECT_EQ(log.find(" /1 300"), std::string::npos) << log;
  }
}

TEST_F(Safety, ClosingFromTheTaskBarDuringTheCountdownRestoresTheDefaultClockFirst) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND confirm = changeClock(corvane.main(), "120");
  ASSERT_NE(confirm, nullptr);
  HWND application = waitForWindow("Matrox Corvane", 5000, "CorvaneApplication");
  ASSERT_NE(application, nullptr);
  // What the task bar button's "閉じる" sends.
  PostMessageA(application, WM_SYSCOMMAND, SC_CLOSE, 0);
  bool ranOut = true;
  EXPECT_EQ(answerRestore(confirm, &ranOut), "G200のクロックを 89MHz に戻しました。");
  EXPECT_FALSE(ranOut) << "the countdown restored, not the close";
  EXPECT_TRUE(corvane.waitForExit(10000));
  const std::string log = folder.read("clocktool.log");
  EXPECT_LT(log.find(" /1 220"), log.find(" /1 189")) << log;
  EXPECT_EQ(occurrences(log, " /1 189"), 1u) << log;
  EXPECT_EQ(integer("OverClock"), 89u);
}

TEST_F(Safety, ClosingTheMainWindowDuringTheCountdownRestoresOnce) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND confirm = changeClock(corvane.main(), "120");
  ASSERT_NE(confirm, nullptr);
  PostMessageA(corvane.main(), WM_CLOSE, 0, 0);
  PostMessageA(corvane.main(), WM_CLOSE, 0, 0);
  bool ranOut = true;
  EXPECT_EQ(answerRestore(confirm, &ranOut), "G200のクロックを 89MHz に戻しました。");
  EXPECT_FALSE(ranOut) << "the countdown restored, not the close";
  EXPECT_TRUE(corvane.waitForExit(10000));
  const std::string log = folder.read("clocktool.log");
  EXPECT_EQ(occurrences(log, " /1 189"), 1u) << log;
  EXPECT_EQ(integer("OverClock"), 89u);
}

TEST_F(Safety, WindowsEndingTheSessionDuringTheCountdownRestoresOnce) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND confirm = changeClock(corvane.main(), "120");
  ASSERT_NE(confirm, nullptr);
  // Windows sends it and waits (here on a thread) while the test answers the restore's message.
  LRESULT sent = 0;
  DWORD_PTR mayEnd = FALSE;
  std::thread windows([&] {
    sent = SendMessageTimeoutA(corvane.main(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 30000,
                               &mayEnd);
  });
  bool ranOut = true;
  EXPECT_EQ(answerRestore(confirm, &ranOut), "G200のクロックを 89MHz に戻しました。");
  windows.join();
  EXPECT_NE(sent, 0) << "no answer to WM_QUERYENDSESSION";
  EXPECT_EQ(mayEnd, DWORD_PTR(TRUE)) << "the program held the session up";
  EXPECT_FALSE(ranOut) << "the countdown restored, not the session's end";
  EXPECT_TRUE(waitUntil([&] { return integer("OverClock") == 89; }));
  // Windows sends this one: it returns once the program has done with it, and a second restore
  // would still have its message up then.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(corvane.main(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
  EXPECT_EQ(waitForWindow("情報", 0, "#32770"), nullptr) << "a second restore";
  const std::string log = folder.read("clocktool.log");
  EXPECT_EQ(occurrences(log, " /1 189"), 1u) << log;
  EXPECT_EQ(integer("OverClock"), 89u);
}

TEST_F(Safety, AChipsetClickRewritesLineOneAndKeepsEveryOtherByte) {
  // Bytes a code-page round trip changes: NEC and IBM extensions, a trail byte of 7F, a lone
  // lead byte at the end of a line, and one at the very end of the file.
  const std::string rest =
      "Port=\x87\x9A\r\nName=\xED\x40\xEE\xFC\r\nMark=\x81\x7F\r\nOdd=\x82\r\n\r\nLast=\x83";
  ProgramFolder folder;
  folder.write("Mystclk.ini", "PCIBIOS=1\r\n" + rest + "\r\n");
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("Mystclk.com"));
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  ASSERT_TRUE(showClockTab(main));
  click(child(main, "その他のチップセット"));
  EXPECT_TRUE(waitUntil([&] { return folder.read("Mystclk.ini").rfind("PCIBIOS=0", 0) == 0; }));
  EXPECT_EQ(folder.read("Mystclk.ini"), "PCIBIOS=0\r\n" + rest + "\r\n");
  click(child(main, "Intelのチップセット"));
  EXPECT_TRUE(waitUntil([&] { return folder.read("Mystclk.ini").rfind("PCIBIOS=1", 0) == 0; }));
  EXPECT_EQ(folder.read("Mystclk.ini"), "PCIBIOS=1\r\n" + rest + "\r\n");
}

TEST_F(Safety, AReadOnlyIniIsRefusedAndLeftUntouched) {
  const std::string bytes = "PCIBIOS=1\r\nPort=\x87\x9A\r\n";
  ProgramFolder folder;
  folder.write("Mystclk.ini", bytes);
  const std::string ini = folder.file("Mystclk.ini");
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("Mystclk.com"));
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  ASSERT_TRUE(showClockTab(main));
  click(child(main, "その他のチップセット"));
  EXPECT_EQ(answerMessage("Matrox Corvane"), "ファイル " + ini + " を作成できません.");
  EXPECT_EQ(folder.read("Mystclk.ini"), bytes);
  EXPECT_NE(GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_TRUE(waitUntil([&] { return checked(child(main, "Intelのチップセット")); }))
      << "the choice on screen is the file's";
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
}
