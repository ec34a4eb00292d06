// Binders of the bars: the progress bar and the status line.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

class ProgressBinder : public Binder {
 public:
  const char* windowClass() const override { return PROGRESS_CLASSA; }
  DWORD style(const Control&) const override { return WS_GROUP; }
  void pushValue(NativeControl& native) const override {
    auto& bar = static_cast<ProgressBar&>(native.model());
    SendMessageA(native.hwnd(), PBM_SETRANGE, 0, MAKELPARAM(bar.min(), bar.max()));
    SendMessageA(native.hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar.position()), 0);
  }
};

// msctls_statusbar32 placed by the model, not docked by itself; one part per panel.
class StatusLineBinder : public Binder {
 public:
  const char* windowClass() const override { return STATUSCLASSNAMEA; }
  DWORD style(const Control&) const override {
    return WS_GROUP | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  }
  void pushValue(NativeControl& native) const override {
    const auto& panels = static_cast<StatusBar&>(native.model()).panels();
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < panels.size(); ++i) {
      right += panels[i].width;
      edges.push_back(i + 1 == panels.size() ? -1 : right);
    }
    if (!edges.empty())
      SendMessageA(native.hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels.size(); ++i) {
      const std::string text = platform::win32::toAnsi(shownText(panels[i].text));
      SendMessageA(native.hwnd(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
};

}  // namespace

const Binder& progressBinder() {
  static const ProgressBinder binder;
  return binder;
}
const Binder& statusLineBinder() {
  static const StatusLineBinder binder;
  return binder;
}

}  // namespace ui::win32
