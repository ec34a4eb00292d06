// Binders of the EDIT kinds: the one-line edit with its spin, and the memo.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"

namespace ui::win32 {
namespace {

// Multi-line edit controls want CR LF; the model keeps whatever breaks it was given.
std::string withCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// EDIT; its text is the model's caption.
class EditBinder : public Binder {
 public:
  const char* windowClass() const override { return "EDIT"; }
  DWORD style(const Control& model) const override {
    return WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL |
           (static_cast<const Edit&>(model).readOnly() ? ES_READONLY : 0);
  }
  DWORD exStyle(const Control&) const override { return WS_EX_CLIENTEDGE; }
  void pushCaption(NativeControl& native) const override {
    // Setting the same text again would move the caret under the user's fingers.
    const std::string wanted = shownText(native.model().caption());
    if (windowText(native.hwnd()) != wanted) setWindowText(native.hwnd(), wanted);
  }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code != EN_CHANGE) return;
    auto& edit = static_cast<Edit&>(native.model());
    const std::string text = windowText(native.hwnd());
    if (text != edit.text()) edit.userSetText(text);
  }
};

// msctls_updown32 attached to its edit box.
class SpinBinder : public Binder {
 public:
  const char* windowClass() const override { return UPDOWN_CLASSA; }
  DWORD style(const Control&) const override {
    return UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  }
  void created(NativeControl& native) const override {
    auto& spin = static_cast<UpDown&>(native.model());
    if (HWND buddy = native.runtime().windowOf(spin.associate()))
      SendMessageA(native.hwnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  }
  void pushValue(NativeControl& native) const override {
    auto& spin = static_cast<UpDown&>(native.model());
    // The control keeps 16-bit positions; the model decides the order of the two limits.
    SendMessageA(native.hwnd(), UDM_SETRANGE, 0, MAKELPARAM(spin.max(), spin.min()));
    SendMessageA(native.hwnd(), UDM_SETPOS, 0, MAKELPARAM(spin.position(), 0));
    // UDM_SETPOS clamps and reformats the buddy; the model's text stays what it says.
    if (HWND buddy = native.runtime().windowOf(spin.associate()))
      if (windowText(buddy) != spin.associate().text())
        setWindowText(buddy, spin.associate().text());
  }
  void scrolled(NativeControl& native) const override {
    const LRESULT result = SendMessageA(native.hwnd(), UDM_GETPOS, 0, 0);
    if (HIWORD(result) != 0) return;  // the buddy holds no valid number
    static_cast<UpDown&>(native.model()).userSetPosition(static_cast<short>(LOWORD(result)));
  }
};

// Multi-line EDIT; its text is the memo's text, not the caption.
class MemoBinder : public Binder {
 public:
  const char* windowClass() const override { return "EDIT"; }
  DWORD style(const Control& model) const override {
    auto& memo = static_cast<const Memo&>(model);
    DWORD s = WS_TABSTOP | WS_GROUP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!memo.wordWrap()) s |= ES_AUTOHSCROLL | WS_HSCROLL;
    if (memo.verticalScrollBar()) s |= WS_VSCROLL;
    if (memo.readOnly()) s |= ES_READONLY;
    return s;
  }
  DWORD exStyle(const Control& model) const override {
    return static_cast<const Memo&>(model).border() ? WS_EX_CLIENTEDGE : 0;
  }
  std::string initialText(const Control&) const override { return {}; }
  void pushCaption(NativeControl&) const override {}
  void pushValue(NativeControl& native) const override {
    const std::string wanted = withCrLf(static_cast<Memo&>(native.model()).text());
    if (windowText(native.hwnd()) != wanted) setWindowText(native.hwnd(), wanted);
  }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code == EN_CHANGE) static_cast<Memo&>(native.model()).userSetText(windowText(native.hwnd()));
  }
};

}  // namespace

const Binder& editBinder() {
  static const EditBinder binder;
  return binder;
}
const Binder& spinBinder() {
  static const SpinBinder binder;
  return binder;
}
const Binder& memoBinder() {
  static const MemoBinder binder;
  return binder;
}

}  // namespace ui::win32
