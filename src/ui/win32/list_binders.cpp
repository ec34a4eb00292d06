// Binders of the kinds that pick one of several: the drop-down list and the tab control.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

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
      SendMessageA(native.hwnd(), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(toAnsi(shownText(item)).c_str()));
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
      const std::string text = toAnsi(shownText(page->caption()));
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
    markPressed(native.hwnd(), pages.activePageIndex());
    layoutPages(native);
  }
  void pushVisible(NativeControl& native) const override {
    ShowWindow(native.hwnd(), native.shownOnScreen() ? SW_SHOW : SW_HIDE);
    layoutPages(native);
  }
  void notify(NativeControl& native, const NMHDR& header) const override {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return;
    const auto index = SendMessageA(native.hwnd(), TCM_GETCURSEL, 0, 0);
    markPressed(native.hwnd(), static_cast<int>(index));
    static_cast<PageControl&>(native.model()).userSelectPage(static_cast<int>(index));
  }

 private:
  // Only the selected tab is "pressed". Wine's tab control leaves the old tab pressed when the
  // arrow keys change the page, and then refuses every later click on a tab.
  static void markPressed(HWND tabs, int selected) {
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TCITEMA item{};
      item.mask = TCIF_STATE;
      item.dwStateMask = TCIS_BUTTONPRESSED;
      SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      const DWORD wanted = i == selected ? TCIS_BUTTONPRESSED : 0;
      if ((item.dwState & TCIS_BUTTONPRESSED) == wanted) continue;  // each change redraws the tabs
      item.dwState = wanted;
      SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
  }

  static void layoutPages(NativeControl& native) {
    auto& pages = static_cast<PageControl&>(native.model());
    const Bounds& b = pages.bounds();
    const POINT at = native.offset();
    RECT area{0, 0, b.width, b.height};
    SendMessageA(native.hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    HWND tabs = native.hwnd();
    std::vector<HWND> panes;
    for (TabSheet* page : pages.pages())
      if (HWND pane = native.runtime().windowOf(*page)) panes.push_back(pane);
    auto isPane = [&](HWND w) { return std::find(panes.begin(), panes.end(), w) != panes.end(); };
    for (TabSheet* page : pages.pages()) {
      HWND pane = native.runtime().windowOf(*page);
      if (!pane) continue;
      if (page == pages.activePage()) native.runtime().makeDeferredPage(*page);
      // The panes sit just before the tab control in the window order: they are drawn over its
      // body, and Tab goes from the tabs into the page and round to the tabs again.
      HWND before = GetWindow(tabs, GW_HWNDPREV);
      while (before && before != pane && isPane(before)) before = GetWindow(before, GW_HWNDPREV);
      if (before != pane)
        SetWindowPos(pane, before ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SetWindowPos(pane, nullptr, at.x + b.left + area.left, at.y + b.top + area.top,
                   area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE | SWP_NOZORDER);
      ShowWindow(pane, page == pages.activePage() && page->visible() ? SW_SHOW : SW_HIDE);
    }
    // The keyboard focus must not stay behind on a page that was just hidden.
    HWND focus = GetFocus();
    if (focus && focus != tabs && IsChild(GetParent(tabs), focus) && !IsWindowVisible(focus))
      SetFocus(tabs);
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
