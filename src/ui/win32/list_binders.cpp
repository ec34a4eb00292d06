// Binders of the kinds that pick one of several: the drop-down list and the tab control.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/win32/binder.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_runtime.h"

using platform::win32::toAnsi;

namespace ui::win32 {
namespace {

// COMBOBOX with CBS_DROPDOWNLIST; its text is the selected item, not the caption.
class ComboBoxBinder : public Binder {
 public:
  const char* windowClass() const override { return "COMBOBOX"; }
  DWORD style(const Control&) const override {
    return WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST;
  }
  DWORD exStyle(const Control&) const override { return WS_EX_CLIENTEDGE; }
  std::string initialText(const Control&) const override { return {}; }
  int createHeight(const Control& model) const override {
    return std::max(model.bounds().height, 200);  // room for the list
  }
  void pushCaption(NativeControl&) const override {}
  void pushItems(NativeControl& native) const override {
    SendMessageA(native.hwnd(), CB_RESETCONTENT, 0, 0);
    for (const auto& item : static_cast<ComboBox&>(native.model()).items())
      SendMessageA(native.hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toAnsi(item).c_str()));
  }
  void pushValue(NativeControl& native) const override {
    const int index = static_cast<ComboBox&>(native.model()).itemIndex();
    SendMessageA(native.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  void command(NativeControl& native, HWND, WORD code) const override {
    if (code != CBN_SELCHANGE) return;
    const auto index = SendMessageA(native.hwnd(), CB_GETCURSEL, 0, 0);
    static_cast<ComboBox&>(native.model()).userSelect(static_cast<int>(index));
  }
};

// SysTabControl32: one tab per page; the pages are panes beside it, placed over its body.
class TabBinder : public Binder {
 public:
  const char* windowClass() const override { return WC_TABCONTROLA; }
  DWORD style(const Control&) const override { return WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS; }
  void created(NativeControl& native) const override {
    int index = 0;
    for (TabSheet* page : static_cast<PageControl&>(native.model()).pages()) {
      const std::string text = toAnsi(page->caption());
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(text.c_str());
      SendMessageA(native.hwnd(), TCM_INSERTITEMA, static_cast<WPARAM>(index++),
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  void pushValue(NativeControl& native) const override {
    auto& pages = static_cast<PageControl&>(native.model());
    SendMessageA(native.hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(pages.activePageIndex()), 0);
    layoutPages(native);
  }
  void pushVisible(NativeControl& native) const override {
    ShowWindow(native.hwnd(), native.shownOnScreen() ? SW_SHOW : SW_HIDE);
    layoutPages(native);
  }
  void notify(NativeControl& native, const NMHDR& header) const override {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return;
    const auto index = SendMessageA(native.hwnd(), TCM_GETCURSEL, 0, 0);
    static_cast<PageControl&>(native.model()).userSelectPage(static_cast<int>(index));
  }

 private:
  static void layoutPages(NativeControl& native) {
    auto& pages = static_cast<PageControl&>(native.model());
    const Bounds& b = pages.bounds();
    const POINT at = native.offset();
    RECT area{0, 0, b.width, b.height};
    SendMessageA(native.hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (TabSheet* page : pages.pages()) {
      HWND pane = native.runtime().windowOf(*page);
      if (!pane) continue;
      SetWindowPos(pane, HWND_TOP, at.x + b.left + area.left, at.y + b.top + area.top,
                   area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
      ShowWindow(pane, page == pages.activePage() && page->visible() ? SW_SHOW : SW_HIDE);
    }
  }
};

}  // namespace

const Binder& comboBoxBinder() {
  static const ComboBoxBinder binder;
  return binder;
}
const Binder& tabBinder() {
  static const TabBinder binder;
  return binder;
}

}  // namespace ui::win32
