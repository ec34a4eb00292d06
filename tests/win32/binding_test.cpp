// The Win32 binding against real windows (under Wine with the null graphics driver): what the
// program sets reaches the window and runs no handler; real input runs the handler once. The
// message loop's side (pages made late, idle work, timers, modal windows) in
// binding_loop_test.cpp.
#include "binding_fixture.h"

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
