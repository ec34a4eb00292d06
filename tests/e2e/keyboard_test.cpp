// The real corvane.exe operated with the keyboard only: Tab and the arrow keys in reading order,
// Ctrl+Tab through the pages, Enter and Esc on the confirmation window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e_driver.h"

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";

struct Keyboard : ::testing::Test {
  void SetUp() override {
    seedG200At16Bits();
  }

  static HWND tabsOf(HWND main) { return children(main, "SysTabControl32").at(0); }
  static int page(HWND main) {
    return static_cast<int>(SendMessageA(tabsOf(main), TCM_GETCURSEL, 0, 0));
  }
  // Presses a key that moves the focus and waits until it has left `from`.
  static HWND pressAndFollow(HWND top, WORD key, bool shift = false) {
    HWND from = focusOf(top);
    press(key, false, shift);
    waitUntil([&] { return focusOf(top) != from; });
    return focusOf(top);
  }
};

// Where a window is on its top-level window's client area.
POINT placeOf(HWND top, HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  POINT p{r.left, r.top};
  ScreenToClient(top, &p);
  return p;
}

}  // namespace

TEST_F(Keyboard, TheMainWindowOpensWithTheFocusOnItsTabsAndCtrlTabTurnsThePages) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  ASSERT_TRUE(waitUntil([&] { return focusOf(main) == tabsOf(main); }))
      << "focus on " << textOf(focusOf(main));
  press(VK_TAB, true);
  EXPECT_TRUE(waitUntil([&] { return page(main) == 1; }));
  press(VK_NEXT, true);
  EXPECT_TRUE(waitUntil([&] { return page(main) == 2; }));
  press(VK_TAB, true);
  press(VK_TAB, true);
  EXPECT_TRUE(waitUntil([&] { return page(main) == 0; })) << "Ctrl+Tab goes round";
  press(VK_TAB, true, true);
  EXPECT_TRUE(waitUntil([&] { return page(main) == 3; })) << "Ctrl+Shift+Tab goes back";
  press(VK_PRIOR, true);
  EXPECT_TRUE(waitUntil([&] { return page(main) == 2; }));
  EXPECT_TRUE(IsWindowVisible(child(main, "クロック変更")));
}

TEST_F(Keyboard, TheRegistryTabIsWalkedInReadingOrderAndAgp1xIsChosenWithTheArrows) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  ASSERT_TRUE(waitUntil([&] { return focusOf(main) == tabsOf(main); }));
  press(VK_TAB, true);
  ASSERT_TRUE(waitUntil([&] { return page(main) == 1; }));

  // Tab from the tabs through every box of the page and back to the tabs.
  std::vector<HWND> stops;
  for (HWND at = pressAndFollow(main, VK_TAB); at && at != tabsOf(main) && stops.size() < 60;
       at = pressAndFollow(main, VK_TAB))
    stops.push_back(at);
  ASSERT_GT(stops.size(), 20u);
  EXPECT_EQ(textOf(stops.front()), "アナログジョイスティック対応") << "the first box of the first group";
  int radios = 0;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    const std::string text = textOf(stops[i]);
    if (text == "AGP 1x" || text == "AGP 2x" || text == "自動設定") ++radios;
    if (i == 0) continue;
    // Reading order: down the left column, then down the right one.
    const POINT before = placeOf(main, stops[i - 1]);
    const POINT here = placeOf(main, stops[i]);
    const bool sameColumn = (before.x < 320) == (here.x < 320);
    EXPECT_TRUE(sameColumn ? here.y > before.y : here.x > before.x)
        << textOf(stops[i - 1]) << " -> " << text;
  }
  EXPECT_EQ(radios, 1) << "the AGP choice is one tab stop";

  // Back to the AGP choice, then the arrows: one group of three.
  HWND agp = nullptr;
  for (int i = 0; i < 60 && !agp; ++i) {
    HWND at = pressAndFollow(main, VK_TAB);
    const std::string text = textOf(at);
    if (text == "AGP 1x" || text == "AGP 2x" || text == "自動設定") agp = at;
  }
  ASSERT_NE(agp, nullptr);
  for (WORD key : {VK_RIGHT, VK_RIGHT, VK_RIGHT}) {
    pressAndFollow(main, key);
    if (textOf(focusOf(main)) == "AGP 1x") break;
  }
  EXPECT_EQ(textOf(focusOf(main)), "AGP 1x");
  EXPECT_TRUE(waitUntil([&] { return readString(HKEY_LOCAL_MACHINE, kDriverKey, "AGPFlags") == "0"; }))
      << readString(HKEY_LOCAL_MACHINE, kDriverKey, "AGPFlags");
  EXPECT_TRUE(checked(child(main, "AGP 1x")));
}

TEST_F(Keyboard, AfterTurningPagesWithTheArrowsAClickOnATabStillTurnsIt) {
  ProgramFolder folder;
  folder.remove("clk.bat");  // no clock report, ever: the overclock tab says so when shown
  folder.remove("clk.txt");
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  ASSERT_TRUE(waitUntil([&] { return focusOf(main) == tabsOf(main); }));
  ASSERT_TRUE(clickTab(main, 1));  // the mouse first, then the arrows
  press(VK_RIGHT);
  EXPECT_TRUE(waitUntil([&] { return page(main) == 2; })) << "the overclock tab, without clk.txt";
  // The tab says that clk.txt is missing.
  HWND error = waitForWindow("Matrox Corvane", 10000, "#32770");
  ASSERT_NE(error, nullptr);
  press(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(error) || !IsWindowVisible(error); }));
  for (int tab : {0, 3, 1}) EXPECT_TRUE(clickTab(main, tab)) << "tab " << tab;
  settle(main);
  EXPECT_EQ(waitForWindow("Matrox Corvane", 0, "#32770"), nullptr)
      << "the overclock tab ran its show step again";
}

TEST_F(Keyboard, EnterKeepsTheNewClockAndEscRestoresTheDefault) {
  ProgramFolder folder;
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  HWND box = nullptr;  // the target clock: the edit box that shows a number
  for (HWND edit : children(main, "Edit")) {
    const std::string text = textOf(edit);
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) box = edit;
  }
  ASSERT_NE(box, nullptr);

  setText(box, "120");
  click(child(main, "クロック変更"));
  HWND confirm = waitForWindow("確認");
  ASSERT_NE(confirm, nullptr);
  ASSERT_TRUE(waitUntil([&] { return focusOf(confirm) == child(confirm, "OK"); }))
      << "focus on " << textOf(focusOf(confirm));
  press(VK_RETURN);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(confirm); }));
  DWORD clock = 0;
  EXPECT_TRUE(waitUntil([&] { return readInteger(HKEY_LOCAL_MACHINE, kDriverKey, "OverClock", &clock) && clock == 120; }));
  EXPECT_EQ(folder.read("clocktool.log").find(" /1 189"), std::string::npos) << "Enter restored";

  setText(box, "125");
  click(child(main, "クロック変更"));
  confirm = waitForWindow("確認");
  ASSERT_NE(confirm, nullptr);
  ASSERT_TRUE(waitUntil([&] { return focusOf(confirm) == child(confirm, "OK"); }));
  press(VK_ESCAPE);
  HWND told = waitForWindow("情報", 10000, "#32770");
  ASSERT_NE(told, nullptr) << "no word of the restore";
  click(child(told, "OK"));
  EXPECT_TRUE(waitUntil([&] { return readInteger(HKEY_LOCAL_MACHINE, kDriverKey, "OverClock", &clock) && clock == 89; }));
  EXPECT_NE(folder.read("clocktool.log").find(" /1 189"), std::string::npos);
}

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
