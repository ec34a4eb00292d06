// Windows the system refuses, and outside text of any length: the binding reports the first
// through the one error box and goes on, cuts the second to fit, and never reaches into a
// control that is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fakes.h"
#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/win32_runtime.h"

namespace {

std::string textOf(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(length));
  return platform::win32::fromAnsi(text);
}

struct WithPanel : ui::Form {
  explicit WithPanel(ui::Runtime& runtime) : ui::Form(runtime, "WithPanel", "枠付き") {
    setClientSize(300, 200);
    panel.setBounds(10, 10, 200, 100);
    inside.setBounds(5, 5, 100, 18);
    button.setBounds(10, 150, 80, 25);
    button.onClick = [this] { ++clicks; };
  }
  ui::Panel panel{this, "panel"};
  ui::CheckBox inside{&panel, "inside", "中"};
  ui::Button button{this, "button", "押す"};
  int clicks = 0;
};

}  // namespace

TEST(WindowFailure, ARefusedWindowIsReportedOnceAndTheRestOfTheFormWorks) {
  doubles::RecordingDialogs dialogs;
  {
    ui::win32::Win32Runtime runtime{GetModuleHandleA(nullptr), dialogs};
    // Without its window class the panel's window cannot be made, as when the USER heap is full.
    ASSERT_TRUE(UnregisterClassA("CorvanePane", GetModuleHandleA(nullptr)));
    auto form = std::make_unique<WithPanel>(runtime);
    form->show();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Matrox Corvane");
    EXPECT_EQ(dialogs.boxes[0].text, "ウィンドウ「枠付き」の一部を作成できませんでした.");
    EXPECT_EQ(runtime.windowOf(form->panel), nullptr);
    ASSERT_NE(runtime.windowOf(form->button), nullptr);
    SendMessageA(runtime.windowOf(form->button), BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
    // The program changes the controls that have no window, then the form goes before the
    // runtime does: nothing may reach into them.
    form->inside.setChecked(true);
    form->panel.setVisible(false);
    form.reset();
  }
  EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST(WindowFailure, OutsideTextOfAnyLengthIsCutToFitWithAMark) {
  doubles::RecordingDialogs dialogs;
  ui::win32::Win32Runtime runtime{GetModuleHandleA(nullptr), dialogs};
  ui::Form form(runtime, "Long", std::string(40000, 'F'));
  ui::Label label(&form, "label", std::string(40000, 'L'));
  ui::Label tail(&form, "tail", "ボード：" + std::string(2000, 'x'));
  ui::StatusBar bar(&form, "bar");
  bar.addPanel(100, std::string(33000, 'S'));
  form.show();
  EXPECT_TRUE(dialogs.boxes.empty());
  ASSERT_NE(runtime.windowOf(label), nullptr);
  EXPECT_EQ(textOf(runtime.windowOf(label)), std::string(1024, 'L') + "…");
  EXPECT_EQ(textOf(runtime.windowOf(form)), std::string(1024, 'F') + "…");
  EXPECT_EQ(textOf(runtime.windowOf(tail)), "ボード：" + std::string(1020, 'x') + "…")
      << "characters are counted, not bytes";
  label.setCaption(std::string(50000, 'M'));
  EXPECT_EQ(textOf(runtime.windowOf(label)), std::string(1024, 'M') + "…");
  EXPECT_EQ(label.caption().size(), 50000u) << "the model keeps the whole text";
  // An error that quotes outside text whole.
  runtime.dispatch([] { throw std::runtime_error("'" + std::string(32760, '9') + "' は数値ではありません"); });
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "'" + std::string(1023, '9') + "….");
}
