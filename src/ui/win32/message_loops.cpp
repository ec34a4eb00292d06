// The runtime's message loops: the main one (and the work that waits for its first wait for
// input), the modal ones with their rule for fresh input, pumping, and the program's end.
#include "ui/win32/win32_runtime.h"

#include "ui/win32/fresh_input.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {

void Win32Runtime::pumpMessages() {
  makeDeferredWindows();  // whoever looks at the windows after this finds them all
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    handle(msg);
  }
}

void Win32Runtime::runModal(Form& form) {
  HWND window = windowOf(form);
  if (!window) return;
  makeDeferredWindows();
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
  InputSinceOpening fresh;
  MSG msg;
  while (form.visible()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      form.setVisible(false);
      break;
    }
    if (got == -1) break;
    if (form.freshInputOnly() && !fresh.admits(msg)) continue;
    handle(msg);
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

LRESULT Win32Runtime::sessionEnding(UINT msg, WPARAM wParam) {
  // Windows asks every top-level window; the program is put safe at the first question (the
  // process may be gone after WM_ENDSESSION returns), and agrees to end.
  if (msg == WM_QUERYENDSESSION || wParam) programEnding();
  return msg == WM_QUERYENDSESSION ? TRUE : 0;
}

void Win32Runtime::terminate(int exitCode) {
  // A refusal stays one when the window closing afterwards asks to end as well.
  if (exitCode > exitCode_) exitCode_ = exitCode;
  if (loopRunning_) PostQuitMessage(exitCode_);
  else terminateRequested_ = true;
}

void Win32Runtime::whenIdle(Handler work) {
  if (loopRunning_) return dispatch(work);  // the program has waited for input already
  idleWork_.push_back(std::move(work));
}

void Win32Runtime::settleAfterFirstWait() {
  // A wait of no time on the queue is the program's first wait for input: WaitForInputIdle
  // returns for it, and Wine sends the painted window to the screen. Sent messages are left in
  // the queue (another program asking for a window's text waits until the windows are all made).
  // A wait cut short by the window system's own news was a wait all the same; a few more let that
  // settle, and then the work goes ahead in any case.
  // Windows 98's QS_ALLINPUT: these headers' carries QS_RAWINPUT (XP), which Windows 98 refuses.
  const DWORD anythingButSent =
      QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_HOTKEY;
  for (int tries = 0; tries < 4; ++tries)
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, anythingButSent) == WAIT_TIMEOUT) break;
  makeDeferredWindows();
  runIdleWork();
}

void Win32Runtime::runIdleWork() {
  std::vector<Handler> work;
  work.swap(idleWork_);
  for (const Handler& w : work) dispatch(w);
}

int Win32Runtime::run(Form& mainForm) {
  mainForm.setMainForm(true);
  // The task bar button; the main window, shown next, is the one that becomes active.
  if (application_) ShowWindow(application_, SW_SHOWNA);
  mainForm.show();
  if (terminateRequested_) {
    // The program was told to end before the loop started: the window appears, then it ends.
    pumpMessages();
    return exitCode_;
  }
  loopRunning_ = true;
  settleAfterFirstWait();
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0 && got != -1) {
    handle(msg);
  }
  loopRunning_ = false;
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

}  // namespace ui::win32
