// Outside text far beyond what a window takes, as the registry can hold it: the real
// corvane.exe shows it cut, keeps running and ends cleanly.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "e2e_driver.h"

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display";

// The whole text of a window of another process, in bytes of the ANSI code page.
std::size_t bytesOf(HWND window) {
  std::string buffer(70000, '\0');
  SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]));
  return std::strlen(buffer.c_str());
}

struct LongText : ::testing::Test {
  void SetUp() override {
    seedG200At16Bits();
  }
  void TearDown() override { SetUp(); }

  // The message box with this caption: the start of its text and its whole length in bytes;
  // then it is answered with OK.
  static std::string answer(const std::string& caption, int* length) {
    *length = -1;
    HWND box = waitForWindow(caption, 15000, "#32770");
    if (!box) return "(no message box)";
    std::string text;
    for (HWND s : children(box, "Static"))
      if (static_cast<int>(bytesOf(s)) > *length) {
        *length = static_cast<int>(bytesOf(s));
        text = textOf(s);
      }
    click(child(box, "OK"));
    waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
  }
  static void exitCleanly(Corvane& corvane, HWND main) {
    for (HWND b : children(main, "Button"))
      if (IsWindowVisible(b) && textOf(b) == "終了(&E)") {
        click(b);
        break;
      }
    ASSERT_TRUE(corvane.waitForExit(15000));
    EXPECT_EQ(corvane.exitCode(), 0u) << "the program crashed on its way out";
  }
};

}  // namespace

TEST_F(LongText, AnAdapterNameOf40000CharactersIsShownCutAndTheProgramEndsCleanly) {
  writeString(HKEY_LOCAL_MACHINE, kDisplayClass + "\\0000", "DriverDesc", std::string(40000, 'G'));
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND shown = nullptr;
  for (HWND label : children(corvane.main(), "Static"))
    if (textOf(label).rfind("GGGG", 0) == 0) shown = label;
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(bytesOf(shown), 1024u + 2) << "1,024 characters and the mark (2 bytes)";
  exitCleanly(corvane, corvane.main());
}

TEST_F(LongText, AColourDepthOf32760DigitsIsReportedCutAndTheProgramGoesOn) {
  writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "BitsPerPixel", std::string(32760, '7'));
  ProgramFolder folder;
  Corvane corvane(folder);
  int length = 0;
  const std::string message = answer("Matrox Corvane", &length);
  EXPECT_EQ(message.rfind("'7777", 0), 0u) << message.substr(0, 80);
  EXPECT_GT(length, 1000);
  EXPECT_LT(length, 1100) << "the digits went whole into the box";
  ASSERT_TRUE(corvane.waitForMainWindow());
  exitCleanly(corvane, corvane.main());
}

TEST_F(LongText, AToolPathOf33000CharactersDoesNotBreakTheDefaultClockButton) {
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", "C:\\" + std::string(33000, 'p') + "\\G200clk.exe");
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  HWND tabs = children(main, "SysTabControl32").at(0);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(166, 10));
  PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(166, 10));
  ASSERT_TRUE(waitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 2; }));
  HWND reset = nullptr;
  for (HWND b : children(main, "Button"))
    if (IsWindowVisible(b) && textOf(b) == "初期設定") reset = b;
  ASSERT_NE(reset, nullptr);
  click(reset);
  // Whatever the program says about it (the tool cannot start from there), it says it in a
  // box that fits, and it goes on.
  HWND box = waitForWindow("Matrox Corvane", 10000, "#32770");
  if (!box) box = waitForWindow("情報", 5000, "#32770");
  ASSERT_NE(box, nullptr);
  for (HWND s : children(box, "Static")) EXPECT_LT(bytesOf(s), 1100u * 2);
  click(child(box, "OK"));
  waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
  settle(main);
  // A second box may follow (the clock was set back all the same).
  if (HWND more = waitForWindow("情報", 0, "#32770")) click(child(more, "OK"));
  exitCleanly(corvane, main);
}
