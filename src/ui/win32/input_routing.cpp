// What the message loop does with input before the windows see it: the hint of the control under
// the mouse, the keys that turn pages, dialog navigation, and where the focus goes in a form.
#include "ui/win32/win32_runtime.h"

#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

HWND topLevelOf(HWND hwnd) {
  while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
  return hwnd;
}

}  // namespace

void Win32Runtime::trackHover(const MSG& msg) {
  if (msg.message != WM_MOUSEMOVE) return;
  Control* control = controlOf(msg.hwnd);
  if (!control) return;
  // A disabled window gets no mouse messages: they go to the page beneath it. Its hint often
  // says why it is disabled, so the control under the mouse is looked up there.
  if (isWindowContainer(control->kind())) {
    const POINT at{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    if (Control* disabled = disabledControlAt(msg.hwnd, at)) control = disabled;
  }
  if (control == hovered_) return;
  hovered_ = control;
  control->userHover();
}

Control* Win32Runtime::disabledControlAt(HWND container, POINT at) const {
  for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || IsWindowEnabled(child)) continue;
    Control* control = controlOf(child);
    // A group box covers the boxes inside it; they are looked at, not the group.
    if (!control || (windowOf(*control) == child && (control->kind() == Kind::GroupBox ||
                                                     control->kind() == Kind::RadioGroup)))
      continue;
    RECT area;
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&area), 2);
    if (PtInRect(&area, at)) return control;
  }
  return nullptr;
}

bool Win32Runtime::routeKeyboard(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND top = topLevelOf(msg.hwnd);
  if (!top || !controlOf(top)) return false;
  if (turnPage(top, msg)) return true;
  return IsDialogMessageA(top, &msg) != FALSE;
}

bool Win32Runtime::turnPage(HWND top, const MSG& msg) {
  if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return false;
  int step = 0;
  if (msg.wParam == VK_TAB) step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  if (msg.wParam == VK_NEXT) step = 1;
  if (msg.wParam == VK_PRIOR) step = -1;
  if (step == 0) return false;
  for (auto& native : natives_) {
    if (!native->alive() || native->model().kind() != Kind::PageControl) continue;
    HWND tabs = native->hwnd();
    if (!tabs || topLevelOf(tabs) != top || !IsWindowVisible(tabs)) continue;
    auto& pages = static_cast<PageControl&>(native->model());
    const int count = static_cast<int>(pages.pages().size());
    if (count == 0) return false;
    pages.userSelectPage((pages.activePageIndex() + step + count) % count);
    return true;
  }
  return false;
}

void Win32Runtime::focusInside(Form& form, HWND window) {
  auto usable = [&](HWND w) {
    return w && IsWindow(w) && IsChild(window, w) && IsWindowVisible(w) && IsWindowEnabled(w);
  };
  HWND target = nullptr;
  auto saved = lastFocus_.find(window);
  if (saved != lastFocus_.end() && usable(saved->second)) target = saved->second;
  for (const Control* wanted : {form.activeControl(), static_cast<Control*>(form.defaultButton())})
    if (!target && wanted && usable(windowOf(*wanted))) target = windowOf(*wanted);
  if (!target) target = GetNextDlgTabItem(window, nullptr, FALSE);
  SetFocus(usable(target) ? target : window);
}

void Win32Runtime::handle(MSG& msg) {
  trackHover(msg);
  if (!routeKeyboard(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace ui::win32
