// The window(s) of one model control, kept in step with the model through its kind's binder.
#include "ui/win32/native_control.h"

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/fonts.h"
#include "ui/win32/win32_runtime.h"

namespace ui::win32 {

bool isWindowContainer(Kind kind) {
  return kind == Kind::Form || kind == Kind::TabSheet || kind == Kind::Panel;
}

NativeControl::NativeControl(Win32Runtime& runtime, Control& model)
    : runtime_(runtime), model_(model), binder_(binderFor(model)) {}

NativeControl::~NativeControl() {
  if (!gone_) model_.attachView(nullptr);
  for (HWND part : parts_) runtime_.forgetWindow(part);
  if (hwnd_) runtime_.forgetWindow(hwnd_);
}

void NativeControl::modelGone() {
  if (gone_) return;
  gone_ = true;
  for (HWND part : parts_) runtime_.forgetWindow(part);
  if (hwnd_) runtime_.forgetWindow(hwnd_);
  runtime_.forgetControl(model_);
  // A form's window goes with it (its child windows with it); a child's window stays until then.
  // (No virtual call on the model here: it is already half destroyed.)
  if (&binder_ == &formBinder() && hwnd_) DestroyWindow(hwnd_);
  parts_.clear();
  hwnd_ = nullptr;
}

POINT NativeControl::childOrigin() const {
  if (binder_.isContainer()) return {0, 0};
  const Bounds& b = model_.bounds();
  return {dx_ + b.left, dy_ + b.top};
}

bool NativeControl::shownOnScreen() const {
  if (!model_.visible()) return false;
  if (model_.kind() == Kind::TabSheet) {
    auto* pages = static_cast<PageControl*>(model_.parent());
    if (pages && pages->activePage() != &model_) return false;
  }
  // Children of a group are windows of the group's container: the group's visibility is theirs.
  for (Control* c = model_.parent(); c && !isWindowContainer(c->kind()); c = c->parent())
    if (!c->visible()) return false;
  return true;
}

void NativeControl::adopt(HWND window) {
  parent_ = hwnd_ = container_ = window;
  runtime_.registerWindow(hwnd_, this);
  model_.attachView(this);
}

bool NativeControl::create(HWND parent, int dx, int dy) {
  parent_ = parent;
  dx_ = dx;
  dy_ = dy;
  const char* cls = binder_.windowClass();
  if (!cls) {  // a timer: it works through its form's window
    runtime_.registerControl(model_, this);
    model_.attachView(this);
    changed(kValue);
    return true;
  }
  DWORD style = WS_CHILD | binder_.style(model_);
  if (!model_.tabStop()) style &= ~static_cast<DWORD>(WS_TABSTOP);
  // Shown from the start when it will be: one change of the window fewer (its parent is not on
  // the screen yet, so nothing is drawn before its state is in).
  if (shownOnScreen()) style |= WS_VISIBLE;
  const Bounds& b = model_.bounds();
  hwnd_ = CreateWindowExA(binder_.exStyle(model_), cls,
                          platform::win32::toAnsi(binder_.initialText(model_)).c_str(), style,
                          dx + b.left, dy + b.top, b.width, binder_.createHeight(model_), parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(runtime_.nextId())),
                          runtime_.instance(), nullptr);
  if (!hwnd_) {
    model_.attachView(this);
    return false;
  }
  runtime_.registerWindow(hwnd_, this);
  if (binder_.isContainer()) container_ = hwnd_;

  Win32Runtime::UpdateScope quiet(runtime_);
  binder_.created(*this);
  model_.attachView(this);
  // Its form is not on the screen yet (windows are made before their form shows): no redraw.
  applyFont(false);
  apply(kItems | kValue | kRange | kEnabled);
  binder_.pushVisible(*this);
  return true;
}

void NativeControl::changed(unsigned aspects) {
  if (gone_ || (!hwnd_ && binder_.windowClass())) return;
  Win32Runtime::UpdateScope quiet(runtime_);
  apply(aspects);
}

void NativeControl::apply(unsigned aspects) {
  if (!hwnd_) {  // no window of its own (or none was made): only its state matters
    if (aspects & kValue) binder_.pushValue(*this);
    return;
  }
  if (aspects & kCaption) binder_.pushCaption(*this);
  if (aspects & kFont) applyFont();
  if (aspects & kItems) binder_.pushItems(*this);
  if (aspects & (kValue | kRange)) binder_.pushValue(*this);
  if (aspects & kBounds) binder_.pushBounds(*this);
  if (aspects & kEnabled) {
    EnableWindow(hwnd_, model_.enabled());
    for (HWND part : parts_) EnableWindow(part, model_.enabled());
  }
  if (aspects & kVisible) binder_.pushVisible(*this);
  if (aspects & kFront) binder_.bringToFront(*this);
}

void NativeControl::applyFont(bool redraw) {
  HFONT font = runtime_.fonts().get(model_.bold(), model_.underline(), model_.fontHeight());
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  for (HWND part : parts_) SendMessageA(part, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  if (redraw) InvalidateRect(hwnd_, nullptr, TRUE);
}

void NativeControl::command(HWND from, WORD code) {
  if (!runtime_.updating()) binder_.command(*this, from, code);
}

void NativeControl::notify(const NMHDR& header) {
  if (!runtime_.updating()) binder_.notify(*this, header);
}

void NativeControl::scrolled() {
  if (!runtime_.updating()) binder_.scrolled(*this);
}

bool NativeControl::draw(const DRAWITEMSTRUCT& item) { return binder_.draw(*this, item); }

}  // namespace ui::win32
