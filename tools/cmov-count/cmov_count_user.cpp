// cmov-count's user: finds the child's windows by class and text and acts on them as a user
// would, each action a phase of its own (see cmov_count_main.cpp).
#include "cmov_count.h"

#include <commctrl.h>

namespace cmov_count {

namespace {

// ---- the user's side: windows of the child, found by class and text ----

std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 511, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                      nullptr);
  return text;
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 63);
  return name;
}

struct Search {
  std::wstring text, className;
  HWND found = nullptr;
};

BOOL CALLBACK findChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if ((search->className.empty() || _wcsicmp(classOf(window).c_str(), search->className.c_str()) == 0) &&
      (search->text.empty() || textOf(window) == search->text)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND child(HWND top, const std::wstring& text, const std::wstring& className = L"") {
  Search search{text, className};
  EnumChildWindows(top, findChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK findTop(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == processId && IsWindowVisible(window) &&
      (search->className.empty() || classOf(window) == search->className) &&
      (search->text.empty() || textOf(window) == search->text)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND topWindow(const std::wstring& text, const std::wstring& className = L"") {
  Search search{text, className};
  EnumWindows(findTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK findNumberBox(HWND window, LPARAM param) {
  if (classOf(window) != L"Edit") return TRUE;
  const std::wstring text = textOf(window);
  if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

bool selectTab(HWND tabs, int index) {
  const int centres[] = {20, 86, 166, 254};  // of the four tab headers
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centres[index], 10));
  PostMessageW(tabs, WM_LBUTTONUP, 0, MAKELPARAM(centres[index], 10));
  return waitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; });
}

}  // namespace

// Acts as the user once the program has first waited for input; each action is a phase of its
// own, ended when the program has settled.
DWORD WINAPI actAsUser(void*) {
  if (WaitForSingleObject(markReached, 120000) != WAIT_OBJECT_0) {
    note("the program never reached its first wait for input");
    TerminateProcess(processHandle, 1);
    return 0;
  }
  waitUntilSettled();

  HWND main = nullptr;
  waitUntil([&] {
    main = topWindow(L"", L"CorvaneForm");
    return main && child(main, L"", L"SysTabControl32");
  });
  HWND tabs = main ? child(main, L"", L"SysTabControl32") : nullptr;
  if (!tabs) {
    note("no main window with a tab control");
    TerminateProcess(processHandle, 1);
    return 0;
  }

  beginPhase("tab switch to the registry tab");
  if (!selectTab(tabs, 1)) note("the registry tab was not selected");
  waitUntilSettled();

  HWND box = child(main, L"DDCの影響を強くする");
  const LRESULT was = box ? SendMessageW(box, BM_GETCHECK, 0, 0) : 0;
  beginPhase("check box, the run's first (a backup file is written first)");
  if (box) PostMessageW(box, BM_CLICK, 0, 0);
  if (!box || !waitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) != was; }))
    note("the check box did not change");
  waitUntilSettled();

  beginPhase("check box, the same box back");
  if (box) PostMessageW(box, BM_CLICK, 0, 0);
  if (!box || !waitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == was; }))
    note("the check box did not change back");
  waitUntilSettled();

  beginPhase("tab switch to the overclock tab");
  if (!selectTab(tabs, 2)) note("the overclock tab was not selected");
  waitUntilSettled();

  beginPhase("clock change to 120 MHz answered with Cancel (and OK to the message)");
  HWND clock = nullptr;
  EnumChildWindows(main, findNumberBox, reinterpret_cast<LPARAM>(&clock));
  HWND change = child(main, L"クロック変更");
  HWND confirm = nullptr;
  if (clock && change) {
    SendMessageTimeoutW(clock, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"120"), SMTO_NORMAL,
                        10000, nullptr);
    PostMessageW(change, BM_CLICK, 0, 0);
    waitUntil([&] { return (confirm = topWindow(L"確認")) != nullptr; });
  }
  HWND cancel = confirm ? child(confirm, L"キャンセル") : nullptr;
  if (cancel) {
    PostMessageW(cancel, BM_CLICK, 0, 0);
    // The default clock goes back and a message box says so; OK to it, as a user does.
    HWND told = nullptr;
    if (waitUntil([&] { return (told = topWindow(L"", L"#32770")) != nullptr; }))
      PostMessageW(child(told, L"OK"), BM_CLICK, 0, 0);
    else
      note("no message box after the cancel");
    if (!waitUntil([&] { return !IsWindow(confirm) || !IsWindowVisible(confirm); }))
      note("the confirmation stayed");
  } else {
    note("no confirmation with a cancel button came");
  }
  waitUntilSettled();

  beginPhase("tab switch back to the general tab");
  if (!selectTab(tabs, 0)) note("the general tab was not selected");
  waitUntilSettled();

  // The program's whole end: its windows go, the static objects' destructors and the runtime's
  // exit run, until the process is gone.
  beginPhase("the close (the main window's close box), until the process has ended");
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(processHandle, 60000) != WAIT_OBJECT_0) {
    note("the program did not end after its close");
    beginPhase("(ended by the debugger)");
    TerminateProcess(processHandle, 0);
  }
  return 0;
}

}  // namespace cmov_count
