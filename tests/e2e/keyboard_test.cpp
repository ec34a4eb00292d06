// The real corvane.exe operated with the keyboard only: Tab and the arrow keys in reading order,
// Ctrl+Tab through the pages, Enter and Esc on the confirmation window.
// Tab round every page and window: keyboard_tab_test.cpp.
#include <string>
#include <vector>

#include "keyboard_fixture.h"

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";

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
