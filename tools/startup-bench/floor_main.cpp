// startup-floor: the least a program like Corvane can do at start-up, built with the same
// toolchain, entry point and runtime: one top-level window of the same size with a tab control
// and one Japanese label in the Gothic face Corvane picks. The start-up benchmark's yardstick.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/ansi.h"
#include "ui/win32/fonts.h"

using platform::win32::toAnsi;

namespace {

LRESULT CALLBACK floorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {
    DestroyWindow(hwnd);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_TAB_CLASSES;
  InitCommonControlsEx(&controls);

  WNDCLASSA cls{};
  cls.lpfnWndProc = floorProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = "CorvaneFloor";
  RegisterClassA(&cls);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 640, 490};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND main = CreateWindowExA(0, cls.lpszClassName, "Floor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, instance, nullptr);
  ui::win32::Fonts fonts;
  HFONT font = fonts.get(false, false, 0);

  HWND tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                              4, 4, 632, 482, main, nullptr, instance, nullptr);
  SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  int index = 0;
  for (const char* caption : {"一般", "レジストリ", "オーバークロック", "その他の機能"}) {
    const std::string text = toAnsi(caption);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index++),
                 reinterpret_cast<LPARAM>(&item));
  }
  HWND label = CreateWindowExA(0, "STATIC", toAnsi("ディスプレイドライバ").c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 20, 40, 200, 14,
                               main, nullptr, instance, nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  ShowWindow(main, show);
  UpdateWindow(main);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
