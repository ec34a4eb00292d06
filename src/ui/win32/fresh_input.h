#pragma once
// Which keys and clicks a window that has just opened may take: only those that began after it
// opened. A key held down since the window before (its auto-repeat goes on into the new one) or
// typed ahead while the program was busy was meant for something else.
#include <windows.h>

#include <bitset>

namespace ui::win32 {

class InputSinceOpening {
 public:
  InputSinceOpening() : openedAt_(GetTickCount()) {}
  // False for a key press or mouse click given before the opening, and for the repeats of a key
  // that has not been let go of since.
  bool admits(const MSG& message);

 private:
  DWORD openedAt_;
  std::bitset<256> letGo_;  // keys released since the opening: their next press is new
};

}  // namespace ui::win32
