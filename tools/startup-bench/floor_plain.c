/* startup-floor-c: the start-up benchmark's second yardstick, the same window as startup-floor
   (one top-level window of the same size, a tab control with the four captions, one Japanese
   label in the Gothic face Corvane picks) in plain C: the same entry point and C runtime, but
   none of the C++ runtime (no libstdc++ start-up, no exception frames to register). What Corvane
   and the C++ floor take beyond it is the C++ runtime's start and the program's own work. The
   texts are in code page 932, as the ANSI functions take them on a Japanese Windows. */
#include <windows.h>

#include <commctrl.h>
#include <string.h>

static LRESULT CALLBACK floor_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
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

static int CALLBACK note_face(const LOGFONTA* font, const TEXTMETRICA* metric, DWORD type,
                              LPARAM found) {
  (void)font;
  (void)metric;
  (void)type;
  *(int*)found = 1;
  return 0;
}

/* The face Corvane's binding picks: the first of its candidates that has Shift-JIS. */
static HFONT gothic_font(void) {
  static const char* const candidates[] = {
      "MS UI Gothic", "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",
      "IPAPGothic",   "IPAGothic", "VL PGothic", "Noto Sans CJK JP"};
  LOGFONTA font;
  HDC dc = GetDC(NULL);
  unsigned i;
  memset(&font, 0, sizeof font);
  for (i = 0; dc && i < sizeof candidates / sizeof candidates[0]; i++) {
    LOGFONTA wanted;
    int found = 0;
    memset(&wanted, 0, sizeof wanted);
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    strncpy(wanted.lfFaceName, candidates[i], LF_FACESIZE - 1);
    EnumFontFamiliesExA(dc, &wanted, note_face, (LPARAM)&found, 0);
    if (found) {
      strncpy(font.lfFaceName, candidates[i], LF_FACESIZE - 1);
      break;
    }
  }
  if (dc) ReleaseDC(NULL, dc);
  font.lfHeight = -12;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  return CreateFontIndirectA(&font);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR line, int show) {
  static const char* const captions[] = {
      "\x88\xea\x94\xca",                                  /* 一般 */
      "\x83\x8c\x83\x57\x83\x58\x83\x67\x83\x8a",          /* レジストリ */
      "\x83\x49\x81\x5b\x83\x6f\x81\x5b\x83\x4e\x83\x8d\x83\x62\x83\x4e", /* オーバークロック */
      "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x8b\x40\x94\x5c"}; /* その他の機能 */
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  INITCOMMONCONTROLSEX controls;
  WNDCLASSA cls;
  RECT frame = {0, 0, 640, 490};
  HWND main, tabs, label;
  HFONT font;
  MSG msg;
  int i;
  (void)previous;
  (void)line;

  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_TAB_CLASSES;
  InitCommonControlsEx(&controls);

  memset(&cls, 0, sizeof cls);
  cls.lpfnWndProc = floor_proc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorA(NULL, IDC_ARROW);
  cls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  cls.lpszClassName = "CorvaneFloor";
  RegisterClassA(&cls);

  AdjustWindowRectEx(&frame, style, FALSE, 0);
  main = CreateWindowExA(0, cls.lpszClassName, "Floor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, NULL, NULL, instance,
                         NULL);
  font = gothic_font();

  tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 4, 4, 632,
                         482, main, NULL, instance, NULL);
  SendMessageA(tabs, WM_SETFONT, (WPARAM)font, FALSE);
  for (i = 0; i < 4; i++) {
    TCITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = TCIF_TEXT;
    item.pszText = (char*)captions[i];
    SendMessageA(tabs, TCM_INSERTITEMA, (WPARAM)i, (LPARAM)&item);
  }
  label = CreateWindowExA(0, "STATIC",
                          "\x83\x66\x83\x42\x83\x58\x83\x76\x83\x8c\x83\x43\x83\x68\x83\x89\x83"
                          "\x43\x83\x6f", /* ディスプレイドライバ */
                          WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 20, 40, 200, 14, main,
                          NULL, instance, NULL);
  SendMessageA(label, WM_SETFONT, (WPARAM)font, FALSE);

  ShowWindow(main, show);
  UpdateWindow(main);
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
