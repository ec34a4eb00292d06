// Binders of labels, link labels and the program's icon.
#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/fonts.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"

namespace ui::win32 {
namespace {

// A label ends the group of the controls before it, as LTEXT does in a dialog template.
class LabelBinder : public Binder {
 public:
  const char* windowClass() const override { return "STATIC"; }
  DWORD style(const Control&) const override { return WS_GROUP | SS_LEFT | SS_NOPREFIX; }
  void pushCaption(NativeControl& native) const override {
    Binder::pushCaption(native);
    InvalidateRect(native.hwnd(), nullptr, TRUE);
  }
};

// A label with a click handler: an owner-drawn push button, so that Tab reaches it, Enter and
// Space open it and the focus shows as a dotted frame around its text; it looks like the label.
class LinkBinder : public Binder {
 public:
  const char* windowClass() const override { return "BUTTON"; }
  DWORD style(const Control&) const override { return WS_TABSTOP | WS_GROUP | BS_OWNERDRAW; }
  void pushCaption(NativeControl& native) const override {
    Binder::pushCaption(native);
    InvalidateRect(native.hwnd(), nullptr, TRUE);
  }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code == BN_CLICKED) static_cast<Label&>(native.model()).userClick();
  }
  bool draw(NativeControl& native, const DRAWITEMSTRUCT& item) const override {
    const Control& model = native.model();
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    HFONT font = native.runtime().fonts().get(model.bold(), model.underline(), model.fontHeight());
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    COLORREF colour = model.colour() == kDefaultColour ? GetSysColor(COLOR_BTNTEXT) : model.colour();
    if (!model.enabled()) colour = GetSysColor(COLOR_GRAYTEXT);
    SetTextColor(dc, colour);
    const std::string text = platform::win32::toAnsi(shownText(model.caption()));
    const UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    DrawTextA(dc, text.c_str(), -1, &area, format);
    if (item.itemState & ODS_FOCUS) {
      RECT frame = area;
      DrawTextA(dc, text.c_str(), -1, &frame, format | DT_CALCRECT);
      InflateRect(&frame, 1, 0);
      IntersectRect(&frame, &frame, &area);
      DrawFocusRect(dc, &frame);
    }
    SelectObject(dc, old);
    return true;
  }
};

class ImageBinder : public Binder {
 public:
  const char* windowClass() const override { return "STATIC"; }
  DWORD style(const Control&) const override { return WS_GROUP | SS_ICON; }
  void created(NativeControl& native) const override {
    HICON icon = LoadIconA(native.runtime().instance(), MAKEINTRESOURCEA(1));
    SendMessageA(native.hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }
};

}  // namespace

const Binder& labelBinder() {
  static const LabelBinder binder;
  return binder;
}
const Binder& linkBinder() {
  static const LinkBinder binder;
  return binder;
}
const Binder& imageBinder() {
  static const ImageBinder binder;
  return binder;
}

}  // namespace ui::win32
