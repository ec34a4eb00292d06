// What the windows of forms and panes do with the messages their controls and Windows send them.
#include <windows.h>
#include <commctrl.h>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"
#include "ui/win32/window_classes.h"

namespace ui::win32 {

LRESULT Win32Runtime::handleMessage(NativeControl& container, HWND hwnd, UINT msg, WPARAM wParam,
                                    LPARAM lParam) {
  Control& model = container.model();
  switch (msg) {
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lParam);
      if (from) {
        if (NativeControl* sender = nativeOf(from)) sender->command(from, HIWORD(wParam));
        return 0;
      }
      // Enter and Esc, as IsDialogMessage reports them to the top-level window. Enter on a
      // focused button (or link) is that button's click, as in every dialog.
      if (model.kind() == Kind::Form) {
        auto& form = static_cast<Form&>(model);
        NativeControl* focused = nativeOf(GetFocus());
        const Kind focusedKind = focused ? focused->model().kind() : Kind::Form;
        if (LOWORD(wParam) == IDOK && focusedKind == Kind::Button)
          static_cast<Button&>(focused->model()).userClick();
        else if (LOWORD(wParam) == IDOK && focusedKind == Kind::Label)
          static_cast<Label&>(focused->model()).userClick();
        else if (LOWORD(wParam) == IDOK) form.userPressEnter();
        if (LOWORD(wParam) == IDCANCEL) form.userPressEscape();
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (NativeControl* sender = nativeOf(header->hwndFrom)) sender->notify(*header);
      return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      if (NativeControl* sender = nativeOf(reinterpret_cast<HWND>(lParam))) sender->scrolled();
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      NativeControl* owner = nativeOf(item->hwndItem);
      if (owner && owner->draw(*item)) return TRUE;
      break;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      NativeControl* label = nativeOf(reinterpret_cast<HWND>(lParam));
      if (label && label->model().colour() != kDefaultColour)
        SetTextColor(dc, label->model().colour());
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR: {
      NativeControl* under = nativeOf(reinterpret_cast<HWND>(wParam));
      if (under && under->model().handCursor()) {
        SetCursor(handCursor());
        return TRUE;
      }
      break;
    }
    case WM_TIMER: {
      if (auto* timer = static_cast<Timer*>(timerWithId(wParam))) timer->tick();
      return 0;
    }
    case WM_ACTIVATE:
      if (model.kind() != Kind::Form) break;
      // Like a dialog: the focus leaves with the window and comes back to the same control.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) lastFocus_[hwnd] = focus;
      } else if (!HIWORD(wParam)) {
        focusInside(static_cast<Form&>(model), hwnd);
      }
      return 0;
    case WM_CLOSE:
      if (model.kind() == Kind::Form) static_cast<Form&>(model).userRequestClose();
      return 0;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      return sessionEnding(msg, wParam);
    case WM_SYSCOMMAND:
      // The main window minimises the whole program, task bar button and all.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && model.kind() == Kind::Form &&
          static_cast<Form&>(model).isMainForm() && application_) {
        ShowWindow(application_, SW_MINIMIZE);
        return 0;
      }
      break;
    case WM_NCPAINT:
      if (model.kind() != Kind::Form && hasNoFrame(hwnd)) return 0;  // a page or a flat panel
      break;
    case WM_NEXTDLGCTL: {
      // A multi-line edit (the help text) takes Tab itself and asks its parent, as it asks a
      // dialog, for the next control: the page passes the request to its form, so that Tab and
      // Shift+Tab leave the text as they leave it in a Windows 98 dialog.
      HWND top = hwnd;
      while (top && (GetWindowLongA(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(top, GetFocus(), wParam != 0);
      if (next) {
        SetFocus(next);
        if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
          SendMessageA(next, EM_SETSEL, 0, -1);
      }
      return 0;
    }
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace ui::win32
