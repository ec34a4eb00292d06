// The Win32 runtime: windows of forms made on first show, the pages out of sight made later,
// the map from window to control. Its message loops are in message_loops.cpp.
#include "ui/win32/win32_runtime.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/errors.h"
#include "text/catalogue.h"
#include "platform/win32/ansi.h"
#include "ui/win32/fonts.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/window_classes.h"

using platform::win32::toAnsi;

namespace ui::win32 {

Win32Runtime::Win32Runtime(HINSTANCE instance, platform::Dialogs& dialogs)
    : Runtime(dialogs), instance_(instance) {
  loadCommonControls();
  registerWindowClasses(instance_, *this);
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
  releaseWindowClasses(*this);
}

void Win32Runtime::registerWindow(HWND hwnd, NativeControl* native) {
  byWindow_[hwnd] = native;
  byControl_[&native->model()] = native;
}

void Win32Runtime::forgetWindow(HWND hwnd) { byWindow_.erase(hwnd); }

void Win32Runtime::forgetControl(const Control& control) {
  byControl_.erase(&control);
  for (const Control*& slot : timerIds_)
    if (slot == &control) slot = nullptr;
}

UINT_PTR Win32Runtime::timerIdOf(const Control& timer) {
  size_t free = timerIds_.size();
  for (size_t i = 0; i < timerIds_.size(); ++i) {
    if (timerIds_[i] == &timer) return i + 1;
    if (!timerIds_[i] && free == timerIds_.size()) free = i;
  }
  if (free == timerIds_.size()) timerIds_.push_back(&timer);
  else timerIds_[free] = &timer;
  return free + 1;
}

Control* Win32Runtime::timerWithId(UINT_PTR id) const {
  if (id == 0 || id > timerIds_.size() || !timerIds_[id - 1]) return nullptr;
  Control* timer = const_cast<Control*>(timerIds_[id - 1]);
  return timer->kind() == Kind::Timer ? timer : nullptr;
}

HWND Win32Runtime::windowOf(const Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->hwnd();
}

Control* Win32Runtime::controlOf(HWND window) const {
  NativeControl* native = nativeOf(window);
  return native ? &native->model() : nullptr;
}

void Win32Runtime::formShown(Form& form) {
  if (!windowOf(form)) realize(form);
}

void Win32Runtime::realize(Form& form) {
  const DWORD style = formBinder().style(form);
  const DWORD exStyle = formBinder().exStyle(form);
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
  const std::string caption = toAnsi(shownText(form.caption()));
  HWND hwnd = CreateWindowExA(exStyle, kFormClass, caption.c_str(), style, x, y, width, height,
                              owner, nullptr, instance_, nullptr);
  if (!hwnd) {
    reportMissingWindows(form);
    return;
  }
  if (form.isMainForm()) mainWindow_ = hwnd;

  auto native = std::make_unique<NativeControl>(*this, form);
  NativeControl* formNative = native.get();
  natives_.push_back(std::move(native));
  formNative->adopt(hwnd);
  missingWindows_ = false;
  const size_t first = natives_.size();
  createChildren(form, hwnd, 0, 0, form);
  if (missingWindows_) reportMissingWindows(form);

  // Hints wait for the mouse to rest on a control: the tooltips of the first windows are made
  // once the program first waits for input (the subclassing behind them slows every paint).
  if (loopRunning_) makeTooltips(form, first);
  else tooltipsDue_.push_back(&form);
}

void Win32Runtime::makeTooltips(Form& form, size_t first) {
  HWND window = windowOf(form);
  if (!window) return;
  HWND& tips = tooltips_[&form];
  if (!tips) tips = makeTooltipWindow(window, instance_);
  addTooltips(tips, window, form, natives_, first);
}

void Win32Runtime::createChildren(Control& parent, HWND window, int dx, int dy, Form& form) {
  for (Control* child : parent.children()) {
    auto native = std::make_unique<NativeControl>(*this, *child);
    NativeControl* n = native.get();
    natives_.push_back(std::move(native));
    if (!n->create(window, dx, dy)) {
      missingWindows_ = true;
      if (isWindowContainer(child->kind())) continue;  // its controls have nowhere to go
    }
    if (child->kind() == Kind::TabSheet && !form.visible() &&
        static_cast<PageControl&>(parent).activePage() != child) {
      // A page out of sight while its form opens: its windows can wait.
      deferredPages_.push_back({child, n->hwnd(), &form});
    } else if (isWindowContainer(child->kind())) {
      createChildren(*child, n->hwnd(), 0, 0, form);
    } else {
      const POINT origin = n->childOrigin();
      createChildren(*child, window, origin.x, origin.y, form);
    }
    if (child->kind() == Kind::PageControl) n->changed(kValue);  // now its pages exist
  }
}

void Win32Runtime::makeDeferredWindows() {
  while (!deferredPages_.empty()) makeDeferredPage(*deferredPages_.front().page);
  std::vector<Form*> due;
  due.swap(tooltipsDue_);
  for (Form* form : due) makeTooltips(*form, 0);
}

void Win32Runtime::makeDeferredPage(const Control& page) {
  auto it = std::find_if(deferredPages_.begin(), deferredPages_.end(),
                         [&](const DeferredPage& d) { return d.page == &page; });
  if (it == deferredPages_.end()) return;
  const DeferredPage deferred = *it;
  deferredPages_.erase(it);
  if (!IsWindow(deferred.pane)) return;  // its form's windows are gone
  missingWindows_ = false;
  const size_t first = natives_.size();
  createChildren(*deferred.page, deferred.pane, 0, 0, *deferred.form);
  if (missingWindows_) reportMissingWindows(*deferred.form);
  if (tooltips_.count(deferred.form)) makeTooltips(*deferred.form, first);
}

void Win32Runtime::reportMissingWindows(const Form& form) {
  // Windows refuses a window when its USER heap is full (Windows 9x) or its text is beyond
  // what it takes: the rest of the program goes on without it.
  const std::string message =
      platform::format1(text::tr(text::Id::ErrorWindowNotMade), shownText(form.caption()));
  dispatch([&] { throw platform::UserError(message); });
}

NativeControl* Win32Runtime::nativeOf(HWND window) const {
  auto it = byWindow_.find(window);
  return it == byWindow_.end() ? nullptr : it->second;
}

}  // namespace ui::win32
