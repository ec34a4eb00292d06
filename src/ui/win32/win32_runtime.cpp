#include "ui/win32/win32_runtime.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/ansi.h"
#include "ui/win32/fonts.h"
#include "ui/win32/native_control.h"

using platform::win32::toAnsi;

namespace ui::win32 {
namespace {

const char kFormClass[] = "CorvaneForm";
const char kApplicationClass[] = "CorvaneApplication";
const char kPaneClass[] = "CorvanePane";

Win32Runtime* g_runtime = nullptr;  // window procedures have no other way back to us

bool isWindowContainer(Kind k) {
  return k == Kind::Form || k == Kind::TabSheet || k == Kind::Panel;
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_runtime) {
    Control* control = g_runtime->controlOf(hwnd);
    if (auto* native = control ? static_cast<NativeControl*>(control->view()) : nullptr) {
      try {
        return g_runtime->handleMessage(*native, hwnd, msg, wParam, lParam);
      } catch (...) {
        // No exception may cross into Windows; handlers already report their own errors.
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
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void registerClasses(HINSTANCE instance) {
  WNDCLASSA form{};
  form.lpfnWndProc = containerProc;
  form.hInstance = instance;
  form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  if (!form.hIcon) form.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  RegisterClassA(&form);
  WNDCLASSA pane = form;
  pane.hIcon = nullptr;
  pane.lpszClassName = kPaneClass;
  RegisterClassA(&pane);
  WNDCLASSA application = form;
  application.lpfnWndProc = applicationProc;
  application.lpszClassName = kApplicationClass;
  RegisterClassA(&application);
}

HWND topLevelOf(HWND hwnd) {
  while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
  return hwnd;
}

HCURSOR handCursor() {
  // IDC_HAND arrived after Windows 95; fall back to the arrow where it is missing.
  static HCURSOR hand = [] {
    HCURSOR c = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    return c ? c : LoadCursorA(nullptr, IDC_ARROW);
  }();
  return hand;
}

}  // namespace

Win32Runtime::Win32Runtime(HINSTANCE instance, platform::Dialogs& dialogs)
    : Runtime(dialogs), instance_(instance) {
  g_runtime = this;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                   ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
  registerClasses(instance_);
  fonts_ = std::make_unique<Fonts>();
  application_ = CreateWindowExA(0, kApplicationClass, toAnsi(applicationTitle()).c_str(),
                                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                     WS_MINIMIZEBOX,
                                 GetSystemMetrics(SM_CXSCREEN) / 2,
                                 GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                                 instance_, nullptr);
}

Win32Runtime::~Win32Runtime() {
  // Forms that outlive the runtime keep their state but lose their windows; the messages that
  // destroying the windows sends find nothing of ours any more.
  std::vector<HWND> topLevel;
  for (auto& native : natives_) {
    if (!native->alive()) continue;
    if (native->model().kind() == Kind::Form && native->hwnd()) topLevel.push_back(native->hwnd());
    native->model().attachView(nullptr);
  }
  byWindow_.clear();
  byControl_.clear();
  for (HWND window : topLevel) DestroyWindow(window);
  if (application_) DestroyWindow(application_);
  natives_.clear();
  if (g_runtime == this) g_runtime = nullptr;
}

void Win32Runtime::registerWindow(HWND hwnd, NativeControl* native) {
  byWindow_[hwnd] = native;
  byControl_[&native->model()] = native;
}

void Win32Runtime::forgetWindow(HWND hwnd) { byWindow_.erase(hwnd); }

HWND Win32Runtime::windowOf(const Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->hwnd();
}

Control* Win32Runtime::controlOf(HWND window) const {
  auto it = byWindow_.find(window);
  return it == byWindow_.end() ? nullptr : &it->second->model();
}

void Win32Runtime::formShown(Form& form) {
  if (!windowOf(form)) realize(form);
}

void Win32Runtime::realize(Form& form) {
  // No WS_CLIPCHILDREN: group boxes do not paint their own background, the form does.
  DWORD style = WS_CAPTION;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  switch (form.border()) {
    case FormBorder::Single: style |= WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX; break;
    case FormBorder::Dialog:
      style |= WS_POPUP | WS_SYSMENU;
      exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case FormBorder::ToolWindow:
      style |= WS_POPUP | WS_SYSMENU;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    case FormBorder::ToolWindowNoButtons:
      style |= WS_POPUP;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  RECT frame{0, 0, form.clientWidth(), form.clientHeight()};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = static_cast<int>(CW_USEDEFAULT);
  int y = static_cast<int>(CW_USEDEFAULT);
  if (form.position() == FormPosition::ScreenCenter) {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    x = std::max<int>(work.left, work.left + (work.right - work.left - width) / 2);
    y = std::max<int>(work.top, work.top + (work.bottom - work.top - height) / 2);
  }
  HWND owner = form.isMainForm() ? application_ : mainWindow_;
  HWND hwnd = CreateWindowExA(exStyle, kFormClass, toAnsi(form.caption()).c_str(), style, x, y,
                              width, height, owner, nullptr, instance_, nullptr);
  if (!hwnd) return;
  if (form.isMainForm()) mainWindow_ = hwnd;

  auto native = std::make_unique<NativeControl>(*this, form);
  NativeControl* formNative = native.get();
  natives_.push_back(std::move(native));
  formNative->create(hwnd, 0, 0);  // adopts the top-level window (see NativeControl::create)
  createChildren(form, hwnd, 0, 0, form);

  // Tooltips for the controls that ask for one.
  HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                              nullptr, instance_, nullptr);
  if (tips) {
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 400);
    for (auto& n : natives_) {
      const Control& c = n->model();
      if (!c.showHint() || !n->hwnd() || c.form() != &form) continue;
      const std::string text = toAnsi(c.hint());
      std::vector<HWND> targets = n->parts();
      targets.push_back(n->hwnd());
      for (HWND target : targets) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(target);
        tool.lpszText = const_cast<char*>(text.c_str());
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
      }
    }
  }
}

void Win32Runtime::createChildren(Control& parent, HWND window, int dx, int dy, Form& form) {
  for (Control* child : parent.children()) {
    auto native = std::make_unique<NativeControl>(*this, *child);
    NativeControl* n = native.get();
    natives_.push_back(std::move(native));
    n->create(window, dx, dy);
    if (child->kind() == Kind::Timer) {
      byControl_[child] = n;
      child->attachView(n);
      n->changed(kValue);
      continue;
    }
    if (isWindowContainer(child->kind())) {
      createChildren(*child, n->hwnd(), 0, 0, form);
    } else {
      const POINT origin = n->childOrigin();
      createChildren(*child, window, origin.x, origin.y, form);
    }
    if (child->kind() == Kind::PageControl) n->changed(kValue);  // now its pages exist
  }
}

LRESULT Win32Runtime::handleMessage(NativeControl& container, HWND hwnd, UINT msg, WPARAM wParam,
                                    LPARAM lParam) {
  Control& model = container.model();
  switch (msg) {
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lParam);
      if (from) {
        auto it = byWindow_.find(from);
        if (it != byWindow_.end()) it->second->command(from, HIWORD(wParam));
        return 0;
      }
      // Enter and Esc, as IsDialogMessage reports them to the top-level window.
      if (model.kind() == Kind::Form) {
        auto& form = static_cast<Form&>(model);
        if (LOWORD(wParam) == IDOK && form.defaultButton()) form.defaultButton()->userClick();
        if (LOWORD(wParam) == IDCANCEL) {
          if (form.cancelButton()) form.cancelButton()->userClick();
          else if (!form.isMainForm()) form.userRequestClose();
        }
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      auto it = byWindow_.find(header->hwndFrom);
      if (it != byWindow_.end()) it->second->notify(*header);
      return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      auto it = byWindow_.find(reinterpret_cast<HWND>(lParam));
      if (it != byWindow_.end()) it->second->scrolled();
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      auto it = byWindow_.find(reinterpret_cast<HWND>(lParam));
      if (it != byWindow_.end() && it->second->model().colour() != kDefaultColour)
        SetTextColor(dc, it->second->model().colour());
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR: {
      auto it = byWindow_.find(reinterpret_cast<HWND>(wParam));
      if (it != byWindow_.end() && it->second->model().handCursor()) {
        SetCursor(handCursor());
        return TRUE;
      }
      break;
    }
    case WM_TIMER: {
      auto* timer = reinterpret_cast<Timer*>(wParam);
      auto it = byControl_.find(timer);
      if (it != byControl_.end() && timer->kind() == Kind::Timer) timer->tick();
      return 0;
    }
    case WM_CLOSE:
      if (model.kind() == Kind::Form) static_cast<Form&>(model).userRequestClose();
      return 0;
    case WM_SYSCOMMAND:
      // The main window minimises the whole program, task bar button and all.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && model.kind() == Kind::Form &&
          static_cast<Form&>(model).isMainForm() && application_) {
        ShowWindow(application_, SW_MINIMIZE);
        return 0;
      }
      break;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Win32Runtime::trackHover(const MSG& msg) {
  if (msg.message != WM_MOUSEMOVE) return;
  Control* control = controlOf(msg.hwnd);
  if (!control || control == hovered_) return;
  hovered_ = control;
  control->userHover();
}

bool Win32Runtime::routeKeyboard(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND top = topLevelOf(msg.hwnd);
  if (!top || !controlOf(top)) return false;
  return IsDialogMessageA(top, &msg) != FALSE;
}

void Win32Runtime::pumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    trackHover(msg);
    if (!routeKeyboard(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void Win32Runtime::runModal(Form& form) {
  HWND window = windowOf(form);
  if (!window) return;
  // Everything else that is open now takes no input until the form closes; windows opened
  // from inside the modal form (the PIN viewer beside the wizard) stay usable.
  std::vector<HWND> disabled;
  for (auto& native : natives_) {
    if (native->model().kind() != Kind::Form || &native->model() == &form) continue;
    HWND other = native->hwnd();
    if (other && IsWindowVisible(other) && IsWindowEnabled(other)) {
      EnableWindow(other, FALSE);
      disabled.push_back(other);
    }
  }
  modalDisabled_.push_back({&form, disabled});
  SetForegroundWindow(window);
  MSG msg;
  while (form.visible()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      form.setVisible(false);
      break;
    }
    if (got == -1) break;
    trackHover(msg);
    if (!routeKeyboard(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  releaseModal(form);
}

void Win32Runtime::releaseModal(Form& form) {
  // Re-enable the other windows before the modal one disappears, so that activation returns to
  // the window below it and not to another program.
  for (auto it = modalDisabled_.begin(); it != modalDisabled_.end(); ++it) {
    if (it->first != &form) continue;
    for (HWND other : it->second) EnableWindow(other, TRUE);
    modalDisabled_.erase(it);
    return;
  }
}

void Win32Runtime::terminate() {
  if (loopRunning_) PostQuitMessage(0);
  else terminateRequested_ = true;
}

int Win32Runtime::run(Form& mainForm) {
  mainForm.setMainForm(true);
  if (application_) ShowWindow(application_, SW_SHOWNORMAL);  // the task bar button
  mainForm.show();
  if (terminateRequested_) {
    // The program was told to end before the loop started: the window appears, then it ends.
    pumpMessages();
    return 0;
  }
  loopRunning_ = true;
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0 && got != -1) {
    trackHover(msg);
    if (!routeKeyboard(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  loopRunning_ = false;
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

}  // namespace ui::win32
