// One tooltip window per form, with a tool for each control (and each radio button) that asks.
#include "ui/win32/tooltips.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/ansi.h"
#include "ui/win32/native_control.h"

using platform::win32::toAnsi;

namespace ui::win32 {

HWND makeTooltipWindow(HWND window, HINSTANCE instance) {
  HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                              nullptr, instance, nullptr);
  if (tips) SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 400);
  return tips;
}

void addTooltips(HWND tips, HWND window, const Form& form,
                 const std::vector<std::unique_ptr<NativeControl>>& natives, size_t first) {
  if (!tips) return;
  for (size_t i = first; i < natives.size(); ++i) {
    const NativeControl* n = natives[i].get();
    const Control& c = n->model();
    if (!c.showHint() || !n->hwnd() || c.form() != &form) continue;
    const std::string text = toAnsi(c.hint());
    std::vector<HWND> targets = n->parts();
    targets.push_back(n->hwnd());
    for (HWND target : targets) {
      TOOLINFOA tool{};
      // The first version's size: comctl32 before 6.0 refuses a TTM_ADDTOOL with the 48 bytes
      // these headers declare (lpReserved), and Windows 95's 4.00 knows no lParam either.
      tool.cbSize = TTTOOLINFOA_V1_SIZE;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = window;
      tool.uId = reinterpret_cast<UINT_PTR>(target);
      tool.lpszText = const_cast<char*>(text.c_str());
      SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

}  // namespace ui::win32
