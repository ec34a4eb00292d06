// Binders of the controls that hold others: the form, tab pages and panels, group boxes; and the
// timer, which lives on its form's window.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"
#include "ui/win32/window_classes.h"

namespace ui::win32 {
namespace {

// The runtime makes the top-level window itself (see Win32Runtime::realize); this binder keeps
// its text, visibility and place in front.
class FormBinder : public Binder {
 public:
  const char* windowClass() const override { return kFormClass; }
  // No WS_CLIPCHILDREN: group boxes do not paint their own background, the form does.
  DWORD style(const Control& model) const override {
    switch (static_cast<const Form&>(model).border()) {
      case FormBorder::Single: return WS_CAPTION | WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX;
      case FormBorder::Dialog:
      case FormBorder::ToolWindow: return WS_CAPTION | WS_POPUP | WS_SYSMENU;
      case FormBorder::ToolWindowNoButtons: return WS_CAPTION | WS_POPUP;
    }
    return WS_CAPTION;
  }
  DWORD exStyle(const Control& model) const override {
    switch (static_cast<const Form&>(model).border()) {
      case FormBorder::Single: return WS_EX_CONTROLPARENT;
      case FormBorder::Dialog: return WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
      case FormBorder::ToolWindow:
      case FormBorder::ToolWindowNoButtons: return WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
    }
    return WS_EX_CONTROLPARENT;
  }
  bool isContainer() const override { return true; }
  void pushBounds(NativeControl&) const override {}
  void pushVisible(NativeControl& native) const override {
    const bool shown = native.shownOnScreen();
    if (!shown) native.runtime().releaseModal(static_cast<Form&>(native.model()));
    if (!shown) native.runtime().forgetFocus(native.hwnd());
    ShowWindow(native.hwnd(), shown ? SW_SHOW : SW_HIDE);
    if (shown) UpdateWindow(native.hwnd());
  }
  void bringToFront(NativeControl& native) const override {
    ShowWindow(native.hwnd(), SW_SHOW);
    BringWindowToTop(native.hwnd());
    SetForegroundWindow(native.hwnd());
  }
};

// A tab page or a panel: a child window of our own class holding its controls.
class PaneBinder : public Binder {
 public:
  const char* windowClass() const override { return kPaneClass; }
  DWORD style(const Control&) const override { return WS_CLIPSIBLINGS; }
  DWORD exStyle(const Control& model) const override {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (model.kind() != Kind::Panel) return ex;
    const Bevel bevel = static_cast<const Panel&>(model).bevel();
    if (bevel == Bevel::Lowered) ex |= WS_EX_CLIENTEDGE;
    if (bevel == Bevel::Raised) ex |= WS_EX_WINDOWEDGE;
    return ex;
  }
  bool isContainer() const override { return true; }
  void pushCaption(NativeControl& native) const override {
    if (native.model().kind() != Kind::TabSheet) return Binder::pushCaption(native);
    // A page's caption is its tab's text.
    auto* pages = static_cast<PageControl*>(native.model().parent());
    HWND tabs = pages ? native.runtime().windowOf(*pages) : nullptr;
    if (!tabs) return;
    const auto all = pages->pages();
    int at = 0;
    while (at < static_cast<int>(all.size()) && all[at] != &native.model()) ++at;
    const std::string text = platform::win32::toAnsi(shownText(native.model().caption()));
    // The tab control redraws its tabs for every change: none when the text is the same.
    std::string current(text.size() + 2, '\0');
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = &current[0];
    item.cchTextMax = static_cast<int>(current.size());
    if (SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item)) &&
        text == item.pszText)
      return;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
  }
  void pushBounds(NativeControl& native) const override {
    // A tab page goes where its tab control puts it.
    if (native.model().kind() == Kind::Panel) Binder::pushBounds(native);
  }
};

// BS_GROUPBOX. Not the parent window of its children: they sit at its offset in its container
// and follow its visibility by hand.
class GroupBoxBinder : public Binder {
 public:
  const char* windowClass() const override { return "BUTTON"; }
  DWORD style(const Control&) const override { return BS_GROUPBOX | WS_GROUP; }
  void pushVisible(NativeControl& native) const override {
    Binder::pushVisible(native);
    for (Control* child : native.model().children())
      if (ControlView* view = child->view()) view->changed(kVisible);
  }
};

// WM_TIMER on the form's window, with the timer's small id (Win32Runtime::timerIdOf).
class TimerBinder : public Binder {
 public:
  const char* windowClass() const override { return nullptr; }
  void pushValue(NativeControl& native) const override {
    auto& timer = static_cast<Timer&>(native.model());
    HWND owner = native.runtime().windowOf(*timer.form());
    if (!owner) return;
    const UINT_PTR id = native.runtime().timerIdOf(timer);
    if (timer.timerEnabled()) SetTimer(owner, id, timer.interval(), nullptr);
    else KillTimer(owner, id);
  }
};

}  // namespace

const Binder& formBinder() {
  static const FormBinder binder;
  return binder;
}
const Binder& paneBinder() {
  static const PaneBinder binder;
  return binder;
}
const Binder& groupBoxBinder() {
  static const GroupBoxBinder binder;
  return binder;
}
const Binder& timerBinder() {
  static const TimerBinder binder;
  return binder;
}

}  // namespace ui::win32
