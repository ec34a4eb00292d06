#include "ui/win32/fresh_input.h"

namespace ui::win32 {
namespace {

bool isPress(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool InputSinceOpening::admits(const MSG& message) {
  const bool keyUp = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if (keyUp) {
    letGo_.set(message.wParam & 0xFF);
    return true;
  }
  if (!isPress(message.message)) return true;
  // Message times are tick counts; the difference is right across the count's wrap too.
  if (static_cast<LONG>(message.time - openedAt_) < 0) return false;
  const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  // Bit 30: the key was already down before this message, so this is a repeat.
  const bool repeat = (message.lParam & (1L << 30)) != 0;
  return !(keyDown && repeat && !letGo_.test(message.wParam & 0xFF));
}

}  // namespace ui::win32
