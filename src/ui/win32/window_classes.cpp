// Window classes and procedures of the windows the program makes itself.
#include "ui/win32/window_classes.h"

#include <commctrl.h>

#include "ui/win32/native_control.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/win32_runtime.h"

namespace ui::win32 {

const char kFormClass[] = "CorvaneForm";
const char kPaneClass[] = "CorvanePane";
const char kApplicationClass[] = "CorvaneApplication";

namespace {

Win32Runtime* g_runtime = nullptr;  // window procedures have no other way back to us

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_runtime) {
    Control* control = g_runtime->controlOf(hwnd);
    if (auto* native = control ? static_cast<NativeControl*>(control->view()) : nullptr) {
      try {
        return g_runtime->handleMessage(*native, hwnd, msg, wParam, lParam);
      } catch (...) {
        // No exception may cross into Windows: what the handlers did not report is said here.
        g_runtime->showCaughtError();
      }
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The application window: never seen itself (it has no size), it carries the task bar button
// with the application title and owns the main window. Minimising the main window minimises it
// (and so hides every window of the program); a click on the task bar button comes back here.
LRESULT CALLBACK applicationProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND main = g_runtime ? g_runtime->mainWindow() : nullptr;
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && main && !IsIconic(hwnd))
        SetActiveWindow(GetLastActivePopup(main));
      return 0;
    case WM_SETFOCUS:
      if (main && !IsIconic(hwnd)) SetActiveWindow(GetLastActivePopup(main));
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_RESTORE && main) {
        const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        SetActiveWindow(GetLastActivePopup(main));
        return result;
      }
      break;
    case WM_CLOSE:
      if (main) PostMessageA(main, WM_CLOSE, 0, 0);
      return 0;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      if (g_runtime) return g_runtime->sessionEnding(msg, wParam);
      break;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Labels and buttons as Windows makes them, less the painting of a frame they do not have:
// Windows would fetch a device context for each of them to draw nothing. One procedure per
// system class, each in front of that class's own.
WNDPROC g_staticProc = nullptr;
WNDPROC g_buttonProc = nullptr;

template <WNDPROC& original>
LRESULT CALLBACK framelessProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCPAINT && hasNoFrame(hwnd)) return 0;
  return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

// The program's own class of the same name comes before the system's for its windows; the
// class name stays what other programs (and accessibility tools) know.
// Registered once for the process; should Windows refuse it, the system's class is used as is.
template <WNDPROC& original>
void registerFrameless(HINSTANCE instance, const char* name) {
  if (original) return;
  WNDCLASSA cls{};
  if (!GetClassInfoA(nullptr, name, &cls)) return;
  const WNDPROC system = cls.lpfnWndProc;
  cls.lpfnWndProc = framelessProc<original>;
  cls.hInstance = instance;
  cls.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  // Set first: the class may be in use the moment it exists.
  original = system;
  if (!RegisterClassA(&cls)) original = nullptr;
}

}  // namespace

bool hasNoFrame(HWND hwnd) {
  const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
  return !(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL)) &&
         !(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME));
}

void releaseWindowClasses(const Win32Runtime& runtime) {
  if (g_runtime == &runtime) g_runtime = nullptr;
}

void registerWindowClasses(HINSTANCE instance, Win32Runtime& runtime) {
  g_runtime = &runtime;
  WNDCLASSEXA form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = containerProc;
  form.hInstance = instance;
  form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  if (!form.hIcon) form.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  // The title bar's small icon from the icon file itself, once for both classes that show it
  // (Windows would otherwise shrink the large one for each class).
  form.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
  form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  RegisterClassExA(&form);
  WNDCLASSEXA pane = form;
  pane.hIcon = nullptr;
  pane.hIconSm = nullptr;
  pane.lpszClassName = kPaneClass;
  RegisterClassExA(&pane);
  WNDCLASSEXA application = form;
  application.lpfnWndProc = applicationProc;
  application.lpszClassName = kApplicationClass;
  RegisterClassExA(&application);
  registerFrameless<g_staticProc>(instance, "Static");
  registerFrameless<g_buttonProc>(instance, "Button");
}

void loadCommonControls() {
  // Looked up, not imported: an import the system lacks would stop the program from loading.
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  HMODULE comctl = GetModuleHandleA("comctl32.dll");
  auto initEx = comctl ? reinterpret_cast<InitEx>(
                             reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")))
                       : nullptr;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                   ICC_BAR_CLASSES;
  if (!initEx || !initEx(&controls)) InitCommonControls();
}

HCURSOR handCursor() {
  static HCURSOR hand = [] {
    HCURSOR c = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(CORVANE_HAND_CURSOR));
    if (!c) c = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND, where there is one
    return c ? c : LoadCursorA(nullptr, IDC_ARROW);
  }();
  return hand;
}

}  // namespace ui::win32
