// Keyboard navigation over real windows: Tab visits the controls in the order they were made,
// a radio group is one group and one tab stop with the arrows inside it, Ctrl+Tab turns pages,
// Enter on a focused button or link clicks it, and a form opens with the focus on a control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/win32_runtime.h"

namespace {

std::string textOf(HWND hwnd) {
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return platform::win32::fromAnsi(buffer);
}

struct Page : ui::Form {
  explicit Page(ui::Runtime& runtime) : ui::Form(runtime, "Page", "頁") {
    setClientSize(400, 300);
    pages.setBounds(4, 4, 392, 260);
    first.setBounds(10, 10, 150, 18);
    group.setBounds(10, 40, 200, 70);
    inGroup.setBounds(10, 20, 150, 18);
    radio.setBounds(10, 120, 300, 40);
    radio.setItems({"AGP 1x", "AGP 2x", "自動設定"});
    radio.setColumns(3);
    after.setBounds(10, 170, 150, 18);
    link.setBounds(10, 200, 150, 14);
    onSecond.setBounds(10, 10, 100, 25);
    radio.onClick = [this] { ++radioClicks; };
    link.onClick = [this] { ++linkClicks; };
    onSecond.onClick = [this] { ++buttonClicks; };
    second.onShow = [this] { ++secondShown; };
    setActiveControl(&pages);
  }
  ui::PageControl pages{this, "pages"};
  ui::TabSheet sheet{&pages, "sheet", "一"};
  ui::TabSheet second{&pages, "second", "二"};
  ui::CheckBox first{&sheet, "first", "最初"};
  ui::GroupBox group{&sheet, "group", "枠"};
  ui::CheckBox inGroup{&group, "inGroup", "枠の中"};
  ui::RadioGroup radio{&sheet, "radio", "AGPの速度設定"};
  ui::CheckBox after{&sheet, "after", "後"};
  ui::Label link{&sheet, "link", "http://example.invalid/"};
  ui::Button onSecond{&second, "onSecond", "押す"};
  int radioClicks = 0, linkClicks = 0, buttonClicks = 0, secondShown = 0;
};

struct KeyboardBinding : ::testing::Test {
  doubles::RecordingDialogs dialogs;
  ui::win32::Win32Runtime runtime{GetModuleHandleA(nullptr), dialogs};
  Page form{runtime};
  void SetUp() override {
    form.show();
    runtime.pumpMessages();
  }
  HWND hwnd(const ui::Control& c) { return runtime.windowOf(c); }
  // A key as the keyboard delivers it to the focused window, Ctrl held when asked.
  void press(WPARAM key, bool ctrl = false, bool shift = false) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
    runtime.pumpMessages();
    state[VK_CONTROL] = state[VK_SHIFT] = 0;
    SetKeyboardState(state);
  }
};

}  // namespace

TEST_F(KeyboardBinding, TheFormOpensWithTheFocusOnItsActiveControl) {
  EXPECT_EQ(GetFocus(), hwnd(form.pages));
  ui::Form plain(runtime, "Plain", "無地");
  ui::Label caption(&plain, "caption", "見出し");
  ui::Button ok(&plain, "ok", "OK");
  plain.show();
  runtime.pumpMessages();
  EXPECT_EQ(GetFocus(), runtime.windowOf(ok)) << "the first control Tab reaches";
}

TEST_F(KeyboardBinding, TabWalksTheControlsInTheOrderTheyWereMadeAndTheRadioGroupOnce) {
  std::vector<std::string> walk;
  for (int i = 0; i < 8; ++i) {
    press(VK_TAB);
    walk.push_back(textOf(GetFocus()));
  }
  EXPECT_EQ(walk, (std::vector<std::string>{"最初", "枠の中", "AGP 1x", "後",
                                            "http://example.invalid/", "", "最初", "枠の中"}))
      << "the tabs themselves have no text";
  press(VK_TAB, false, true);
  EXPECT_EQ(textOf(GetFocus()), "最初");
}

TEST_F(KeyboardBinding, TheArrowsMoveWithinTheRadioGroupAndPickTheRow) {
  SetFocus(hwnd(form.after));
  press(VK_TAB, false, true);
  ASSERT_EQ(textOf(GetFocus()), "AGP 1x");
  press(VK_RIGHT);
  EXPECT_EQ(textOf(GetFocus()), "AGP 2x");
  EXPECT_EQ(form.radio.itemIndex(), 1);
  press(VK_RIGHT);
  press(VK_RIGHT);
  EXPECT_EQ(textOf(GetFocus()), "AGP 1x") << "the group goes round, and only the group";
  EXPECT_EQ(form.radio.itemIndex(), 0);
  EXPECT_EQ(form.radioClicks, 3);
  // The checked row is the group's tab stop now.
  SetFocus(hwnd(form.after));
  press(VK_TAB, false, true);
  EXPECT_EQ(textOf(GetFocus()), "AGP 1x");
  form.radio.setItemIndex(2);
  SetFocus(hwnd(form.after));
  press(VK_TAB, false, true);
  EXPECT_EQ(textOf(GetFocus()), "自動設定");
}

TEST_F(KeyboardBinding, CtrlTabTurnsThePagesAndTheFocusNeverStaysOnAHiddenPage) {
  SetFocus(hwnd(form.first));
  press(VK_TAB, true);
  EXPECT_EQ(form.pages.activePageIndex(), 1);
  EXPECT_EQ(form.secondShown, 1);
  EXPECT_TRUE(IsWindowVisible(GetFocus())) << textOf(GetFocus());
  press(VK_NEXT, true);
  EXPECT_EQ(form.pages.activePageIndex(), 0);
  press(VK_TAB, true, true);
  EXPECT_EQ(form.pages.activePageIndex(), 1);
  press(VK_PRIOR, true);
  EXPECT_EQ(form.pages.activePageIndex(), 0);
  EXPECT_EQ(form.secondShown, 2);
}

TEST_F(KeyboardBinding, AfterTheArrowsTurnedThePageAClickOnATabStillTurnsIt) {
  HWND tabs = hwnd(form.pages);
  auto click = [&](int index) {
    RECT item{};
    SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
    runtime.pumpMessages();
  };
  click(1);  // the mouse first: the tab control marks the second tab pressed
  ASSERT_EQ(form.pages.activePageIndex(), 1);
  press(VK_LEFT);  // then the arrows
  ASSERT_EQ(form.pages.activePageIndex(), 0);
  click(1);
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1) << "the click was refused";
  EXPECT_EQ(form.pages.activePageIndex(), 1);
}

TEST_F(KeyboardBinding, ATabNotificationForThePageAlreadyShownRunsNoShowStep) {
  HWND tabs = hwnd(form.pages);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(hwnd(form), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
  SendMessageA(hwnd(form), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  SendMessageA(hwnd(form), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(form.secondShown, 1);
}

TEST_F(KeyboardBinding, LinksAreReachedWithTabAndOpenedWithEnterOrSpace) {
  SetFocus(hwnd(form.after));
  press(VK_TAB);
  ASSERT_EQ(GetFocus(), hwnd(form.link));
  press(VK_RETURN);
  EXPECT_EQ(form.linkClicks, 1);
  press(VK_SPACE);
  EXPECT_EQ(form.linkClicks, 2);
  form.pages.setActivePage(1);
  SetFocus(hwnd(form.onSecond));
  press(VK_RETURN);
  EXPECT_EQ(form.buttonClicks, 1) << "Enter clicks the focused button";
}
