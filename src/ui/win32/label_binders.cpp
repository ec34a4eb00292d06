// Binders of the STATIC kinds: labels, link labels and the program's icon.
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"

namespace ui::win32 {
namespace {

class LabelBinder : public Binder {
 public:
  const char* windowClass() const override { return "STATIC"; }
  DWORD style(const Control&) const override { return SS_LEFT | SS_NOPREFIX; }
  void pushCaption(NativeControl& native) const override {
    Binder::pushCaption(native);
    InvalidateRect(native.hwnd(), nullptr, TRUE);
  }
};

// A label with a click handler: it reports clicks (SS_NOTIFY) and runs the handler.
class LinkBinder : public LabelBinder {
 public:
  DWORD style(const Control& model) const override { return LabelBinder::style(model) | SS_NOTIFY; }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code == STN_CLICKED) static_cast<Label&>(native.model()).userClick();
  }
};

class ImageBinder : public Binder {
 public:
  const char* windowClass() const override { return "STATIC"; }
  DWORD style(const Control&) const override { return SS_ICON; }
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
