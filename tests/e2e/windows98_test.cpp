// The real corvane.exe in the Windows 9x strict mode (every suite here runs in it; these are the
// flows that once passed Windows 95/98 something they refuse): the file dialog opens and what is
// picked in it arrives, a tooltip appears, and a dialog that fails says so. (The PIN wizard's save
// dialog is held in tests/pins: no user can open the wizard in the program, its button is hidden.)
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "e2e_driver.h"
#include "file_dialog_hand.h"

using namespace e2e;

namespace {


struct Windows98 : ::testing::Test {
  void SetUp() override {
    seedG200At16Bits();
  }
  void TearDown() override { SetEnvironmentVariableA("CORVANE_COMDLG_FAIL", nullptr); }
};

// The browse button beside the clock tool's box, on the overclock tab.
HWND browseButton(HWND main) {
  EXPECT_TRUE(clickTab(main, 2));
  return child(main, "参照(&B)...");
}

BOOL CALLBACK noteTooltip(HWND window, LPARAM found) {
  auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(found);
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  // The form's own tooltip window: the one with the most tools (a control may have one more).
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search->first &&
      (!search->second || SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0) >
                              SendMessageA(search->second, TTM_GETTOOLCOUNT, 0, 0)))
    search->second = window;
  return TRUE;
}

HWND tooltipOf(HWND main) {
  std::pair<HWND, HWND> search{main, nullptr};
  EnumWindows(noteTooltip, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// Puts the mouse over the middle of a window and tells the window it moved there, as the window
// system does when a user's hand moves it.
void hover(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2));
}

}  // namespace

TEST_F(Windows98, BrowseOpensTheFileDialogAndThePickedToolLandsInTheBox) {
  ProgramFolder folder;
  const std::string tools = folder.file("Tools");
  ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
  const std::string picked = tools + "\\G200clk.exe";
  ASSERT_TRUE(CopyFileA(folder.file("G200clk.exe").c_str(), picked.c_str(), FALSE));
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  HWND browse = browseButton(main);
  ASSERT_NE(browse, nullptr);
  click(browse);
  HWND dialog = waitForWindow("G200clk.exe又はMystclk.comを指定", 10000, "#32770");
  ASSERT_NE(dialog, nullptr) << "no file dialog; " << answerMessage("Matrox Corvane", 1000);
  ASSERT_TRUE(e2e::pickInFileDialog(dialog, picked));
  EXPECT_TRUE(waitUntil([&] { return child(main, picked) != nullptr; }))
      << "the picked tool is not in the box";
  EXPECT_TRUE(waitUntil([&] {
    return readString(HKEY_LOCAL_MACHINE, "Software\\Matrox\\PowerDesk\\Current Settings",
                      "Mystclk") == picked;
  })) << "the picked tool is not remembered";
}

TEST_F(Windows98, AToolTipAppearsOverAControl) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  HWND tips = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (tips = tooltipOf(main)) != nullptr; }));
  // Every control of the main window with a hint has its tool (the first tab's ten and more).
  EXPECT_GE(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 10);
  HWND exit = nullptr;  // the one on the page in sight (every tab has its own)
  for (HWND button : children(main, "Button"))
    if (IsWindowVisible(button) && textOf(button) == "終了(&E)") exit = button;
  ASSERT_NE(exit, nullptr);
  // The mouse comes to rest over the button; the tip follows after the initial delay (each move
  // would start that delay again).
  hover(exit);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(tips) != FALSE; }))
      << "no tooltip over the exit button";
  RECT tip{}, button{};
  GetWindowRect(tips, &tip);
  GetWindowRect(exit, &button);
  EXPECT_GT(tip.right - tip.left, 40) << "the tip has no room for its text";
  // Just below the mouse, which is in the middle of the button.
  EXPECT_GE(tip.top, (button.top + button.bottom) / 2) << tip.top << " " << button.bottom;
  EXPECT_LE(tip.top, button.bottom + 40) << tip.top << " " << button.bottom;
}

TEST_F(Windows98, AFileDialogThatFailsEndsInTheErrorBox) {
  SetEnvironmentVariableA("CORVANE_COMDLG_FAIL", "9");  // as a comdlg32 short of memory fails
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND browse = browseButton(corvane.main());
  ASSERT_NE(browse, nullptr);
  click(browse);
  EXPECT_EQ(answerMessage("Matrox Corvane"),
            "ファイルを選ぶウィンドウを開けませんでした（エラー 0x0009）.");
  EXPECT_NE(child(corvane.main(), folder.file("G200clk.exe")), nullptr) << "the box kept its tool";
}
