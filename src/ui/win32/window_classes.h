#pragma once
// The program's own window classes: forms, the panes of tab pages and panels, and the size-less
// application window that carries the task bar button.
#include <windows.h>

namespace ui::win32 {

class Win32Runtime;

extern const char kFormClass[];
extern const char kPaneClass[];
extern const char kApplicationClass[];

// Registers the three classes, and the program's own "Static" and "Button" (the system's, less
// the painting of a frame they do not have); the window procedures of the first three go to
// `runtime` (there is one per program) until it lets them go.
void registerWindowClasses(HINSTANCE instance, Win32Runtime& runtime);
void releaseWindowClasses(const Win32Runtime& runtime);

// Nothing of the window lies outside its client area: no frame, edge or scroll bar. Painting
// its non-client area would fetch a device context to draw nothing.
bool hasNoFrame(HWND hwnd);

// Readies the common controls (tabs, spins, bars, tooltips). A Windows 95 without a later
// Internet Explorer has a comctl32 without InitCommonControlsEx; the program still runs there.
void loadCommonControls();

// The pointing hand over links: the program's own cursor (Windows 95 has no IDC_HAND).
HCURSOR handCursor();

}  // namespace ui::win32
