// Binders of the BUTTON kinds: push buttons, check boxes and radio groups.
#include <algorithm>

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"

namespace ui::win32 {
namespace {

class PushButtonBinder : public Binder {
 public:
  const char* windowClass() const override { return "BUTTON"; }
  DWORD style(const Control& model) const override {
    return WS_TABSTOP | WS_GROUP |
           (static_cast<const Button&>(model).isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code == BN_CLICKED) static_cast<Button&>(native.model()).userClick();
  }
};

class CheckBoxBinder : public Binder {
 public:
  const char* windowClass() const override { return "BUTTON"; }
  DWORD style(const Control&) const override { return WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX; }
  void pushValue(NativeControl& native) const override {
    const bool checked = static_cast<CheckBox&>(native.model()).checked();
    SendMessageA(native.hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code != BN_CLICKED) return;
    const bool on = SendMessageA(native.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    static_cast<CheckBox&>(native.model()).userSetChecked(on);
  }
};

// A group box window with one BS_AUTORADIOBUTTON per item, laid out in columns.
class RadioGroupBinder : public Binder {
 public:
  const char* windowClass() const override { return "BUTTON"; }
  DWORD style(const Control&) const override { return BS_GROUPBOX | WS_GROUP; }

  void pushItems(NativeControl& native) const override {
    Win32Runtime& runtime = native.runtime();
    for (HWND part : native.parts()) {
      runtime.forgetWindow(part);
      DestroyWindow(part);
    }
    native.parts().clear();
    // The buttons follow the group box in the window order, as in a dialog template: the first
    // starts the group (WS_GROUP) and is its one tab stop until another is checked.
    HWND previous = native.hwnd();
    bool first = true;
    for (const auto& item : static_cast<RadioGroup&>(native.model()).items()) {
      const DWORD s = WS_CHILD | BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0);
      first = false;
      HWND button = CreateWindowExA(
          0, "BUTTON", platform::win32::toAnsi(shownText(item)).c_str(), s, 0, 0, 10, 10,
          native.parentWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(runtime.nextId())),
          runtime.instance(), nullptr);
      if (!button) continue;
      SetWindowPos(button, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = button;
      runtime.registerWindow(button, &native);
      native.parts().push_back(button);
    }
    layout(native);
    native.applyFont();
    pushVisible(native);
  }

  void pushValue(NativeControl& native) const override {
    const int selected = static_cast<RadioGroup&>(native.model()).itemIndex();
    const auto& parts = native.parts();
    for (int i = 0; i < static_cast<int>(parts.size()); ++i)
      SendMessageA(parts[i], BM_SETCHECK, i == selected ? BST_CHECKED : BST_UNCHECKED, 0);
    // Tab goes to the checked button, or to the first while none is.
    const int stop = selected >= 0 && selected < static_cast<int>(parts.size()) ? selected : 0;
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
      const LONG style = GetWindowLongA(parts[i], GWL_STYLE);
      const LONG wanted = i == stop ? style | WS_TABSTOP : style & ~static_cast<LONG>(WS_TABSTOP);
      if (wanted != style) SetWindowLongA(parts[i], GWL_STYLE, wanted);
    }
  }

  void pushBounds(NativeControl& native) const override {
    Binder::pushBounds(native);
    layout(native);
  }

  void command(NativeControl& native, HWND from, WORD code) const override {
    if (code != BN_CLICKED) return;
    const auto& parts = native.parts();
    const auto at = std::find(parts.begin(), parts.end(), from) - parts.begin();
    if (at < static_cast<long>(parts.size()) &&
        SendMessageA(from, BM_GETCHECK, 0, 0) == BST_CHECKED)
      static_cast<RadioGroup&>(native.model()).userSelect(static_cast<int>(at));
  }

 private:
  static void layout(NativeControl& native) {
    auto& group = static_cast<RadioGroup&>(native.model());
    const auto& parts = native.parts();
    const Bounds& b = group.bounds();
    const int columns = std::max(1, group.columns());
    const int count = static_cast<int>(parts.size());
    if (count == 0) return;
    const int rows = (count + columns - 1) / columns;
    const POINT at = native.offset();
    const int left = at.x + b.left + 8;
    const int top = at.y + b.top + 16;
    const int columnWidth = (b.width - 16) / columns;
    const int rowHeight = std::max(18, (b.height - 20) / rows);
    for (int i = 0; i < count; ++i) {
      const int column = i / rows;
      const int row = i % rows;
      SetWindowPos(parts[i], nullptr, left + column * columnWidth, top + row * rowHeight,
                   columnWidth - 4, 18, SWP_NOACTIVATE | SWP_NOZORDER);
    }
  }
};

}  // namespace

const Binder& pushButtonBinder() {
  static const PushButtonBinder binder;
  return binder;
}
const Binder& checkBoxBinder() {
  static const CheckBoxBinder binder;
  return binder;
}
const Binder& radioGroupBinder() {
  static const RadioGroupBinder binder;
  return binder;
}

}  // namespace ui::win32
