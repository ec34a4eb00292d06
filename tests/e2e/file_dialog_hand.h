#pragma once
// A user's hand in a real open or save dialog (of this process or another one).
#include <windows.h>

#include <string>

namespace e2e {

// Types `path` into the dialog's name box and presses its OK button; false when the dialog has no
// name box. The dialog itself goes on in its own thread.
inline bool pickInFileDialog(HWND dialog, const std::string& ansiPath) {
  // The name box: the edit of a combo box (cmb13) in the Explorer-style dialog, else edt1.
  HWND name = GetDlgItem(dialog, 0x47C);
  if (name) {
    if (HWND edit = FindWindowExA(name, nullptr, "Edit", nullptr)) name = edit;
  } else {
    name = GetDlgItem(dialog, 0x480);
  }
  if (!name) return false;
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansiPath.c_str()));
  PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  return true;
}

}  // namespace e2e
