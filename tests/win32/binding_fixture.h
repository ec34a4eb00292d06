#pragma once
// A form with one control of every kind, bound to real windows by the Win32 runtime, and the
// window lookups the binding's suites share.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "fakes.h"
#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/win32_runtime.h"

inline std::string textOf(HWND hwnd) {
  char buffer[512] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return platform::win32::fromAnsi(buffer);
}

struct Search {
  std::string text;
  HWND found;
};

inline BOOL CALLBACK matchText(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  if (textOf(child) != s->text) return TRUE;
  s->found = child;
  return FALSE;
}

inline HWND childWithText(HWND parent, const std::string& text) {
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
