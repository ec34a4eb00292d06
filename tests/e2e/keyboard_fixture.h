#pragma once
// The keyboard suites' fixture: the real corvane.exe on a G200 at 16 bits, the main window's tabs
// and a key press followed to where the focus goes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "e2e_driver.h"

struct Keyboard : ::testing::Test {
  void SetUp() override {
    e2e::seedG200At16Bits();
  }

  static HWND tabsOf(HWND main) { return e2e::children(main, "SysTabControl32").at(0); }
  static int page(HWND main) {
    return static_cast<int>(SendMessageA(tabsOf(main), TCM_GETCURSEL, 0, 0));
  }
  // Presses a key that moves the focus and waits until it has left `from`.
  static HWND pressAndFollow(HWND top, WORD key, bool shift = false) {
    HWND from = e2e::focusOf(top);
    e2e::press(key, false, shift);
    e2e::waitUntil([&] { return e2e::focusOf(top) != from; });
    return e2e::focusOf(top);
  }
};
