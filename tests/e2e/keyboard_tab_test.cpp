// The real corvane.exe walked with Tab: every control of every page, the overclock tab in reading
// order, and the games and options windows round to where the walk began.
#include <algorithm>
#include <string>
#include <vector>

#include "keyboard_fixture.h"

using namespace e2e;

namespace {

// The windows Tab should stop at on the shown page: visible, enabled, WS_TABSTOP (a radio
// group's one stop among them), in no particular order.
std::vector<HWND> tabStopsShown(HWND main, HWND tabs) {
  std::vector<HWND> stops;
  for (const char* cls : {"Button", "Edit", "ComboBox", "msctls_trackbar32"})
    for (HWND w : children(main, cls))
      if (IsWindowVisible(w) && IsWindowEnabled(w) && (GetWindowLongA(w, GWL_STYLE) & WS_TABSTOP) &&
          w != tabs)
        stops.push_back(w);
  return stops;
}

// Tab (or Shift+Tab) from the tabs round the page until the tabs have the focus again.
std::vector<HWND> walk(HWND main, HWND tabs, bool backwards) {
  std::vector<HWND> visited;
  for (int i = 0; i < 80; ++i) {
    HWND from = focusOf(main);
    press(VK_TAB, false, backwards);
    waitUntil([&] { return focusOf(main) != from; }, 3000);
    HWND at = focusOf(main);
    if (at == tabs || at == from) break;  // round, or stuck where it was
    visited.push_back(at);
  }
  return visited;
}

}  // namespace

TEST_F(Keyboard, TabReachesEveryControlOfEveryPageAndComesBackToTheTabs) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  HWND tabs = tabsOf(main);
  ASSERT_TRUE(waitUntil([&] { return focusOf(main) == tabs; }));
  for (int p = 0; p < 4; ++p) {
    ASSERT_TRUE(clickTab(main, p));
    ASSERT_TRUE(waitUntil([&] { return focusOf(main) == tabs; })) << "page " << p;
    for (bool backwards : {false, true}) {
      const std::vector<HWND> visited = walk(main, tabs, backwards);
      EXPECT_EQ(focusOf(main), tabs) << "page " << p << (backwards ? ", Shift+Tab" : ", Tab")
                                     << ": stuck on " << textOf(focusOf(main));
      for (HWND stop : tabStopsShown(main, tabs)) {
        const bool reached = std::find(visited.begin(), visited.end(), stop) != visited.end();
        // A radio group is one stop: the checked button (or the first) stands for its group.
        if (!reached && (GetWindowLongA(stop, GWL_STYLE) & 0xF) == BS_AUTORADIOBUTTON) continue;
        EXPECT_TRUE(reached) << "page " << p << ": Tab never reaches \"" << textOf(stop) << "\"";
      }
    }
  }
}

TEST_F(Keyboard, TheOverclockTabIsWalkedInReadingOrderAndTheToolIsChosenByAltB) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  HWND tabs = tabsOf(main);
  ASSERT_TRUE(waitUntil([&] { return focusOf(main) == tabs; }));
  ASSERT_TRUE(clickTab(main, 2));
  std::vector<std::string> order;
  for (HWND at : walk(main, tabs, false)) {
    char cls[32] = {};
    GetClassNameA(at, cls, sizeof cls);
    // The edit boxes by what they hold: the clock (a number), the tool's path, the help.
    std::string name = textOf(at);
    if (lstrcmpiA(cls, "Edit") == 0)
      name = (GetWindowLongA(at, GWL_STYLE) & ES_MULTILINE) ? "<help>"
             : name.find_first_not_of("0123456789") == std::string::npos ? "<clock>"
                                                                         : "<tool>";
    order.push_back(name);
  }
  // Down the left column, then the right one, then the tool's row, the help and 終了; the
  // start-up entry's 解除する is off while there is none, the chipset while the tool is G200clk.
  const std::vector<std::string> expected = {"<clock>", "クロック変更", "初期設定", "起動時から有効",
                                             "オプション(&O)", "ゲームのショートカット(&G)...",
                                             "<tool>", "参照(&B)...", "<help>", "終了(&E)"};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(focusOf(main), tabs) << "Tab left the help text and came round";

  // Alt+B from anywhere on the page opens the file dialog.
  keybd_event(VK_MENU, 0, 0, 0);
  press('B');
  keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  HWND dialog = waitForWindow("G200clk.exe又はMystclk.comを指定", 10000, "#32770");
  ASSERT_NE(dialog, nullptr) << "Alt+B did not open the file dialog";
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

namespace {

// Tab from the focused control round a window: every enabled tab stop is met, and the focus
// comes back to where it started (nothing keeps it).
void expectTabGoesRound(HWND top, const std::string& name) {
  ASSERT_TRUE(waitUntil([&] { return focusOf(top) != nullptr; })) << name << ": no focus";
  HWND start = focusOf(top);
  std::vector<HWND> visited{start};
  for (int i = 0; i < 40; ++i) {
    HWND from = focusOf(top);
    press(VK_TAB);
    waitUntil([&] { return focusOf(top) != from; }, 3000);
    HWND at = focusOf(top);
    // A window with one stop keeps it: Tab has nowhere else to go.
    if (at == from && tabStopsShown(top, nullptr).size() <= 1) return;
    if (at == from) break;
    if (at == start) return [&] {
      for (HWND stop : tabStopsShown(top, nullptr)) {
        if ((GetWindowLongA(stop, GWL_STYLE) & 0xF) == BS_AUTORADIOBUTTON) continue;
        EXPECT_NE(std::find(visited.begin(), visited.end(), stop), visited.end())
            << name << ": Tab never reaches \"" << textOf(stop) << "\"";
      }
    }();
    visited.push_back(at);
  }
  ADD_FAILURE() << name << ": Tab does not come round; stuck on \"" << textOf(focusOf(top)) << "\"";
}

}  // namespace

TEST_F(Keyboard, TabGoesRoundTheGamesAndOptionsWindowsToo) {
  // Games that have run once: their boxes are there to be used.
  writeInteger(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D", "Truecolor", 0);
  writeInteger(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D", "DoFlip", 1);
  writeInteger(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D", "TripleBuffering", 0);
  writeInteger(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D", "DoTrilinear", 1);
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  ASSERT_TRUE(clickTab(main, 2));
  click(child(main, "オプション(&O)"));
  HWND options = waitForWindow("オーバークロックのオプション");
  ASSERT_NE(options, nullptr);
  expectTabGoesRound(options, "options");
  press(VK_ESCAPE);
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(options); }));

  ASSERT_TRUE(clickTab(main, 3));
  HWND gamesButton = nullptr;
  for (HWND b : children(main, "Button"))
    if (IsWindowVisible(b) && textOf(b) == "各種ゲーム用設定") gamesButton = b;
  ASSERT_NE(gamesButton, nullptr);
  click(gamesButton);
  HWND games = waitForWindow("各種ゲーム用設定");
  ASSERT_NE(games, nullptr);
  EXPECT_GE(tabStopsShown(games, nullptr).size(), 5u) << "Unreal's four boxes and 閉じる";
  expectTabGoesRound(games, "games");
  deleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\UnrealD3D");
}
