// The Win32 binding's message loop against real windows: pages made when first shown, idle work
// and tooltips at the first wait, the error box, the timer, modal windows and closing.
#include <stdexcept>
#include <vector>

#include "binding_fixture.h"
#include "ui/win32/window_classes.h"

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
