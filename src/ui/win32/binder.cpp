// Picks the binder of a control and holds what most binders do alike.
#include "ui/win32/binder.h"

#include "platform/text.h"
#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/native_control.h"

using platform::win32::fromAnsi;
using platform::win32::toAnsi;

namespace ui::win32 {

const Binder& binderFor(const Control& model) {
  switch (model.kind()) {
    case Kind::Form: return formBinder();
    case Kind::TabSheet:
    case Kind::Panel: return paneBinder();
    case Kind::GroupBox: return groupBoxBinder();
    case Kind::Timer: return timerBinder();
    case Kind::Image: return imageBinder();
    case Kind::Label:
      return static_cast<const Label&>(model).onClick ? linkBinder() : labelBinder();
    case Kind::Button: return pushButtonBinder();
    case Kind::CheckBox: return checkBoxBinder();
    case Kind::RadioGroup: return radioGroupBinder();
    case Kind::Edit: return editBinder();
    case Kind::UpDown: return spinBinder();
    case Kind::Memo: return memoBinder();
    case Kind::ComboBox: return comboBoxBinder();
    case Kind::PageControl: return tabBinder();
    case Kind::ProgressBar: return progressBinder();
    case Kind::StatusBar: return statusLineBinder();
  }
  return timerBinder();
}

std::string windowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return fromAnsi(text);
}

std::string shownText(const std::string& text) { return platform::clipForDisplay(text); }

void setWindowText(HWND hwnd, const std::string& text) {
  SetWindowTextA(hwnd, toAnsi(text).c_str());
}

std::string Binder::initialText(const Control& model) const { return shownText(model.caption()); }

void Binder::pushCaption(NativeControl& native) const {
  setWindowText(native.hwnd(), shownText(native.model().caption()));
}

void Binder::pushBounds(NativeControl& native) const {
  const Bounds& b = native.model().bounds();
  const POINT at = native.offset();
  MoveWindow(native.hwnd(), at.x + b.left, at.y + b.top, b.width, b.height, TRUE);
}

void Binder::pushVisible(NativeControl& native) const {
  const bool shown = native.shownOnScreen();
  ShowWindow(native.hwnd(), shown ? SW_SHOWNA : SW_HIDE);
  for (HWND part : native.parts()) ShowWindow(part, shown ? SW_SHOWNA : SW_HIDE);
}

}  // namespace ui::win32
