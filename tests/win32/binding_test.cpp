// The Win32 binding against real windows (under Wine with the null graphics driver): what the
// program sets reaches the window and runs no handler; real input runs the handler once.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes.h"
#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/win32_runtime.h"
#include "ui/win32/window_classes.h"

namespace {

std::string textOf(HWND hwnd) {
  char buffer[512] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return platform::win32::fromAnsi(buffer);
}

struct Search {
  std::string text;
  HWND found;
};

BOOL CALLBACK matchText(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  if (textOf(child) != s->text) return TRUE;
  s->found = child;
  return FALSE;
}

HWND childWithText(HWND parent, const std::string& text) {
  Search search{text, nullptr};
  EnumChildWindows(parent, matchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct Sample : ui::Form {
  explicit Sample(ui::Runtime& runtime) : ui::Form(runtime, "Sample", "見本") {
    setClientSize(400, 300);
    box.setBounds(10, 10, 150, 18);
    box.setHint("箱のヒント", false);
    button.setBounds(10, 40, 80, 25);
    group.setBounds(10, 70, 200, 80);
    inner.setBounds(10, 20, 150, 18);
    radio.setBounds(220, 10, 170, 60);
    radio.setItems({"一", "二", "三"});
    radio.setColumns(3);
    edit.setBounds(220, 80, 60, 21);
    combo.setBounds(220, 110, 120, 21);
    combo.setItems({"甲", "乙"});
    memo.setBounds(10, 160, 200, 60);
    label.setBounds(220, 140, 150, 14);
    pages.setBounds(220, 160, 170, 120);
    bar.setBounds(0, 280, 400, 20);
    bar.addPanel(300, "休憩中");
    setHintBar(&bar);
    box.onClick = [this] { ++boxClicks; };
    button.onClick = [this] { ++buttonClicks; };
    radio.onClick = [this] { ++radioClicks; };
    edit.onChange = [this] { ++editChanges; };
    combo.onChange = [this] { ++comboChanges; };
    second.onShow = [this] { ++secondShown; };
  }
  ui::CheckBox box{this, "box", "チェック"};
  ui::Button button{this, "button", "押す(&P)"};
  ui::GroupBox group{this, "group", "枠"};
  ui::CheckBox inner{&group, "inner", "内側"};
  ui::RadioGroup radio{this, "radio", "選択"};
  ui::Edit edit{this, "edit"};
  ui::UpDown spin{this, "spin", edit, 89, 135, 100};
  ui::ComboBox combo{this, "combo"};
  ui::Memo memo{this, "memo"};
  ui::Label label{this, "label", "ラベル"};
  ui::PageControl pages{this, "pages"};
  ui::TabSheet first{&pages, "first", "最初"};
  ui::TabSheet second{&pages, "second", "二番目"};
  ui::Label onSecond{&second, "onSecond", "二番目の中"};
  ui::StatusBar bar{this, "bar"};
  ui::Timer timer{this, "timer", 10};
  int boxClicks = 0, buttonClicks = 0, radioClicks = 0, editChanges = 0, comboChanges = 0,
      secondShown = 0;
};

struct BindingTest : ::testing::Test {
  doubles::RecordingDialogs dialogs;
  ui::win32::Win32Runtime runtime{GetModuleHandleA(nullptr), dialogs};
  Sample form{runtime};
  void SetUp() override { form.show(); }
  HWND hwnd(const ui::Control& c) { return runtime.windowOf(c); }
};

}  // namespace

TEST_F(BindingTest, EveryControlIsAStandardWindowWithItsCaptionAsText) {
  ASSERT_NE(hwnd(form), nullptr);
  EXPECT_TRUE(IsWindowVisible(hwnd(form)));
  EXPECT_EQ(textOf(hwnd(form)), "見本");
  char cls[64];
  GetClassNameA(hwnd(form.box), cls, sizeof cls);
  EXPECT_STREQ(cls, "Button");
  EXPECT_EQ(textOf(hwnd(form.box)), "チェック");
  EXPECT_EQ(textOf(hwnd(form.button)), "押す(&P)");
  GetClassNameA(hwnd(form.pages), cls, sizeof cls);
  EXPECT_STREQ(cls, "SysTabControl32");
  GetClassNameA(hwnd(form.spin), cls, sizeof cls);
  EXPECT_STREQ(cls, "msctls_updown32");
  // A group's children sit in the group's place on the form.
  RECT inner;
  GetWindowRect(hwnd(form.inner), &inner);
  POINT topLeft{inner.left, inner.top};
  ScreenToClient(hwnd(form), &topLeft);
  EXPECT_EQ(topLeft.x, 20);
  EXPECT_EQ(topLeft.y, 90);
}

TEST_F(BindingTest, ProgramChangesReachTheWindowAndRunNoHandler) {
  form.box.setChecked(true);
  EXPECT_EQ(SendMessageA(hwnd(form.box), BM_GETCHECK, 0, 0), BST_CHECKED);
  form.radio.setItemIndex(2);
  EXPECT_EQ(SendMessageA(childWithText(hwnd(form), "三"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(childWithText(hwnd(form), "一"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form.edit.setText("120");
  EXPECT_EQ(textOf(hwnd(form.edit)), "120");
  form.spin.setPosition(130);
  EXPECT_EQ(textOf(hwnd(form.edit)), "130");
  EXPECT_EQ(LOWORD(SendMessageA(hwnd(form.spin), UDM_GETPOS, 0, 0)), 130);
  form.combo.setItemIndex(1);
  EXPECT_EQ(SendMessageA(hwnd(form.combo), CB_GETCURSEL, 0, 0), 1);
  form.memo.setLines({"一行目", "二行目"});
  EXPECT_EQ(textOf(hwnd(form.memo)), "一行目\r\n二行目");
  form.label.setCaption("新しい");
  EXPECT_EQ(textOf(hwnd(form.label)), "新しい");
  form.button.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(hwnd(form.button)));
  form.label.setVisible(false);
  EXPECT_FALSE(IsWindowVisible(hwnd(form.label)));
  runtime.pumpMessages();
  EXPECT_EQ(form.boxClicks + form.radioClicks + form.editChanges + form.comboChanges, 0);
}

TEST_F(BindingTest, ARealClickRunsTheHandlerExactlyOnce) {
  SendMessageA(childWithText(hwnd(form), "二"), BM_CLICK, 0, 0);
  EXPECT_EQ(form.radio.itemIndex(), 1);
  EXPECT_EQ(form.radioClicks, 1);
  SendMessageA(hwnd(form.box), BM_CLICK, 0, 0);
  runtime.pumpMessages();
  EXPECT_EQ(form.boxClicks, 1);
  EXPECT_TRUE(form.box.checked());
  SendMessageA(hwnd(form.button), BM_CLICK, 0, 0);
  runtime.pumpMessages();
  EXPECT_EQ(form.buttonClicks, 1);
}

TEST_F(BindingTest, TypingAndPickingAreUserActions) {
  SetWindowTextA(hwnd(form.edit), "111");  // as typing does: EN_CHANGE follows
  runtime.pumpMessages();
  EXPECT_EQ(form.edit.text(), "111");
  EXPECT_EQ(form.spin.position(), 111) << "the spin follows a number within its range";
  EXPECT_EQ(form.editChanges, 1) << "one change, one notification";
  // The program's own change reaches the window and runs no handler.
  form.edit.setText("112");
  runtime.pumpMessages();
  EXPECT_EQ(textOf(hwnd(form.edit)), "112");
  EXPECT_EQ(form.editChanges, 1);
  SendMessageA(hwnd(form.combo), CB_SETCURSEL, 1, 0);
  SendMessageA(hwnd(form), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd(form.combo)), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(hwnd(form.combo)));
  EXPECT_EQ(form.combo.itemIndex(), 1);
  EXPECT_EQ(form.comboChanges, 1);
  for (char c : {'a', '\r', 'b'}) SendMessageA(hwnd(form.memo), WM_CHAR, c, 1);
  EXPECT_EQ(form.memo.lines(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(BindingTest, AControlsFontFollowsItsBoldAndUnderline) {
  auto fontOf = [&](const ui::Control& c) {
    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(hwnd(c), WM_GETFONT, 0, 0));
    EXPECT_NE(handle, nullptr) << c.name();
    GetObjectA(handle, sizeof font, &font);
    return font;
  };
  const LOGFONTA plain = fontOf(form.label);
  EXPECT_LT(plain.lfWeight, FW_BOLD);
  EXPECT_FALSE(plain.lfUnderline);
  form.label.setBold(true);
  form.label.setUnderline(true);
  const LOGFONTA marked = fontOf(form.label);
  EXPECT_GE(marked.lfWeight, FW_BOLD);
  EXPECT_TRUE(marked.lfUnderline);
  EXPECT_STREQ(marked.lfFaceName, plain.lfFaceName) << "the same face, only marked";
  EXPECT_LT(fontOf(form.box).lfWeight, FW_BOLD) << "the other controls keep theirs";
  form.label.setBold(false);
  form.label.setUnderline(false);
  EXPECT_LT(fontOf(form.label).lfWeight, FW_BOLD);
}

TEST_F(BindingTest, SelectingATabShowsItsPageAndRunsItsShowHandler) {
  HWND tabs = hwnd(form.pages);
  SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(hwnd(form), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(form.pages.activePageIndex(), 1);
  EXPECT_EQ(form.secondShown, 1);
  EXPECT_TRUE(IsWindowVisible(hwnd(form.second)));
  EXPECT_FALSE(IsWindowVisible(hwnd(form.first)));
  EXPECT_TRUE(IsWindowVisible(hwnd(form.onSecond)));
}

TEST_F(BindingTest, APageOutOfSightGetsItsWindowsWhenShownOrBeforeTheQueueIsRead) {
  EXPECT_EQ(hwnd(form.onSecond), nullptr) << "made before anyone could see it";
  form.onSecond.setCaption("後から");  // kept by the model until the window exists
  runtime.pumpMessages();
  ASSERT_NE(hwnd(form.onSecond), nullptr);
  EXPECT_EQ(GetParent(hwnd(form.onSecond)), hwnd(form.second));
  EXPECT_EQ(textOf(hwnd(form.onSecond)), "後から");
  EXPECT_FALSE(IsWindowVisible(hwnd(form.onSecond)));
}

TEST_F(BindingTest, IdleWorkRunsAtTheFirstWaitWithEveryPageMadeAndBeforeAnyMessageIsRead) {
  bool pageMade = false;
  int clicksBefore = -1;
  runtime.whenIdle([&] {
    pageMade = hwnd(form.onSecond) != nullptr;
    clicksBefore = form.buttonClicks;
    runtime.terminate();
  });
  PostMessageA(hwnd(form.button), BM_CLICK, 0, 0);
  EXPECT_EQ(runtime.run(form), 0);
  EXPECT_TRUE(pageMade);
  EXPECT_EQ(clicksBefore, 0) << "a message was read before the idle work";
  EXPECT_EQ(form.buttonClicks, 1);
}

namespace {

BOOL CALLBACK noteTooltips(HWND window, LPARAM found) {
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The tools of the tooltip windows `form` owns.
int tooltipTools(HWND form) {
  std::vector<HWND> tips;
  EnumThreadWindows(GetCurrentThreadId(), noteTooltips, reinterpret_cast<LPARAM>(&tips));
  int tools = 0;
  for (HWND t : tips)
    if (GetWindow(t, GW_OWNER) == form) tools += static_cast<int>(SendMessageA(t, TTM_GETTOOLCOUNT, 0, 0));
  return tools;
}

}  // namespace

TEST_F(BindingTest, TooltipsComeWhenTheProgramFirstLooksAtItsQueue) {
  form.button.setHint("押すと数える");  // a tooltip, like the box's hint is not
  EXPECT_EQ(tooltipTools(hwnd(form)), 0) << "made before the window was up";
  runtime.pumpMessages();
  EXPECT_EQ(tooltipTools(hwnd(form)), 1);
  runtime.pumpMessages();
  EXPECT_EQ(tooltipTools(hwnd(form)), 1) << "made twice";
}

TEST(FramelessWindows, OnlyWindowsWithNothingOutsideTheirClientAreaSkipTheFramePaint) {
  struct Case {
    DWORD style, exStyle;
    bool frameless;
  } cases[] = {
      {WS_CHILD | SS_LEFT, 0, true},                      // a label
      {WS_CHILD | BS_GROUPBOX, 0, true},                  // a group box draws its frame inside
      {WS_CHILD | ES_LEFT, WS_EX_CLIENTEDGE, false},      // an edit box
      {WS_CHILD | ES_MULTILINE | WS_VSCROLL, 0, false},   // a memo's scroll bar
      {WS_CHILD | WS_BORDER, 0, false},
      {WS_CHILD, WS_EX_STATICEDGE, false},                // a thin sunken edge
  };
  HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  for (const Case& c : cases) {
    HWND w = CreateWindowExA(c.exStyle, "Static", "", c.style, 0, 0, 50, 20, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ui::win32::hasNoFrame(w), c.frameless) << std::hex << c.style << " " << c.exStyle;
  }
  DestroyWindow(parent);
}

TEST_F(BindingTest, AnErrorInAHandlerIsShownInTheErrorBoxAndTheProgramGoesOn) {
  form.button.onClick = [] { throw std::runtime_error("ファイル C:\\x は開けません"); };
  SendMessageA(hwnd(form.button), BM_CLICK, 0, 0);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(dialogs.boxes[0].text, "ファイル C:\\x は開けません.");
  EXPECT_EQ(dialogs.boxes[0].icon, platform::MessageIcon::Error);
  SendMessageA(hwnd(form.box), BM_CLICK, 0, 0);
  EXPECT_EQ(form.boxClicks, 1);
}

int witnessTicks = 0;
void CALLBACK countWitnessTick(HWND, UINT, UINT_PTR, DWORD) { ++witnessTicks; }

TEST_F(BindingTest, TheTimerTicksThroughTheMessageLoopOnlyWhileOn) {
  int ticks = 0;
  form.timer.onTimer = [&] { ++ticks; };
  form.timer.setTimerEnabled(true);
  const DWORD start = GetTickCount();
  while (ticks < 2 && GetTickCount() - start < 3000) {
    runtime.pumpMessages();
    Sleep(5);
  }
  EXPECT_GE(ticks, 2);
  // Windows 95/98 keep timer ids in 16 bits: a small id of its own, never the timer's address.
  EXPECT_GE(runtime.timerIdOf(form.timer), 1u);
  EXPECT_LE(runtime.timerIdOf(form.timer), 0x7FFFu);
  ui::Timer other(&form, "other", 10);
  EXPECT_NE(runtime.timerIdOf(other), runtime.timerIdOf(form.timer));
  form.timer.setTimerEnabled(false);
  runtime.pumpMessages();
  const int stopped = ticks;
  // A timer of the same period, started now, ticks twice meanwhile.
  witnessTicks = 0;
  const UINT_PTR witness = SetTimer(nullptr, 0, 10, countWitnessTick);
  for (const DWORD since = GetTickCount(); witnessTicks < 2 && GetTickCount() - since < 3000;)
    runtime.pumpMessages();
  KillTimer(nullptr, witness);
  EXPECT_GE(witnessTicks, 2);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(BindingTest, AModalFormBlocksUntilClosedAndDisablesTheOthers) {
  ui::Form dialog(runtime, "Dialog", "ダイアログ");
  dialog.setClientSize(100, 60);
  ui::Timer closer(&dialog, "closer", 20);
  bool ownerDisabledMeanwhile = false;
  closer.onTimer = [&] {
    ownerDisabledMeanwhile = !IsWindowEnabled(hwnd(form));
    closer.setTimerEnabled(false);
    dialog.close();
  };
  dialog.onShow = [&] { closer.setTimerEnabled(true); };
  dialog.showModal();
  EXPECT_FALSE(dialog.visible());
  EXPECT_TRUE(ownerDisabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(hwnd(form)));
}

TEST_F(BindingTest, EscAndTheCloseBoxAskTheFormToClose) {
  ui::Form dialog(runtime, "Dialog", "ダイアログ");
  int requests = 0;
  dialog.onCloseRequest = [&] { ++requests; };
  dialog.show();
  SendMessageA(runtime.windowOf(dialog), WM_CLOSE, 0, 0);
  SendMessageA(runtime.windowOf(dialog), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(requests, 2);
  EXPECT_TRUE(dialog.visible());
}

TEST_F(BindingTest, HoveringAControlPutsItsHintInTheHintBar) {
  PostMessageA(hwnd(form.box), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  runtime.pumpMessages();
  EXPECT_EQ(form.bar.panels()[0].text, "箱のヒント");
  char text[128] = {};
  SendMessageA(hwnd(form.bar), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(platform::win32::fromAnsi(text), "箱のヒント");
  PostMessageA(hwnd(form), WM_MOUSEMOVE, 0, MAKELPARAM(390, 250));
  runtime.pumpMessages();
  EXPECT_EQ(form.bar.panels()[0].text, "休憩中");
}

TEST_F(BindingTest, ADisabledBoxShowsItsHintToo) {
  // The mouse over a disabled window: Windows gives the move to the window beneath.
  form.box.setEnabled(false);
  PostMessageA(hwnd(form), WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
  runtime.pumpMessages();
  EXPECT_EQ(form.bar.panels()[0].text, "箱のヒント");
  form.inner.setHint("内側のヒント", false);
  form.inner.setEnabled(false);
  PostMessageA(hwnd(form), WM_MOUSEMOVE, 0, MAKELPARAM(25, 95));  // inside its group
  runtime.pumpMessages();
  EXPECT_EQ(form.bar.panels()[0].text, "内側のヒント");
  PostMessageA(hwnd(form), WM_MOUSEMOVE, 0, MAKELPARAM(390, 250));
  runtime.pumpMessages();
  EXPECT_EQ(form.bar.panels()[0].text, "休憩中");
}

TEST_F(BindingTest, TheMainWindowBelongsToTheApplicationWindowWithTheApplicationTitle) {
  ui::Form main(runtime, "Main", "Corvane");
  main.setMainForm(true);
  main.show();
  HWND owner = GetWindow(runtime.windowOf(main), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(owner, runtime.applicationWindow());
  EXPECT_EQ(textOf(owner), "Matrox Corvane");
  EXPECT_EQ(textOf(runtime.windowOf(main)), "Corvane");
  SendMessageA(runtime.windowOf(main), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(owner) || !IsWindowVisible(owner)) << "minimising the main window minimises the program";
}
