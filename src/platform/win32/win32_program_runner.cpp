#include "platform/win32/win32_program_runner.h"

#include <windows.h>

#include <vector>

#include "platform/text.h"
#include "platform/win32/ansi.h"
#include "platform/win32/process_start.h"

namespace platform::win32 {

const char* const kGameWatchClass = "CorvaneGameWatch";

namespace {

// What the hidden window hears while the game runs. One game at a time per program.
struct Watch {
  const std::function<void()>* sessionEnding = nullptr;
  bool sessionEnded = false;
};
Watch* g_watch = nullptr;

LRESULT CALLBACK watchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      // The clock goes back at the first word of the session's end, as it does with the window
      // open: once WM_ENDSESSION returns, Windows may end the process at any moment, and a
      // query may be the only word that comes before it. Corvane never holds Windows up.
      if ((message == WM_QUERYENDSESSION || wParam) && g_watch && !g_watch->sessionEnded) {
        g_watch->sessionEnded = true;
        try {
          if (*g_watch->sessionEnding) (*g_watch->sessionEnding)();
        } catch (...) {
          // Nothing may leave a window procedure; the restore reports its own failures.
        }
      }
      return message == WM_QUERYENDSESSION ? TRUE : 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// A top-level window, never shown: Windows 95/98 send the end of the session to every top-level
// window, hidden ones too, and to nothing else (message-only windows came with Windows 2000).
HWND makeWatchWindow() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = watchProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kGameWatchClass;
  RegisterClassA(&windowClass);  // registered before by an earlier game of this run: fine
  return CreateWindowExA(0, kGameWatchClass, "Matrox Corvane", WS_POPUP, 0, 0, 0, 0, nullptr,
                         nullptr, instance, nullptr);
}

}  // namespace

std::optional<std::string> Win32ProgramRunner::existingFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const std::string ansi = toAnsi(path);
  // As Windows finds a program that is typed in: the current folder, the system's folders and
  // PATH, with ".exe" added when no extension is given.
  char found[MAX_PATH];
  char* namePart = nullptr;
  const DWORD length = SearchPathA(nullptr, ansi.c_str(), ".exe", MAX_PATH, found, &namePart);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  const DWORD attributes = GetFileAttributesA(found);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return fromAnsi(found);
}

ProgramRunner::Outcome Win32ProgramRunner::runUntilEnded(
    const std::string& program, const std::string& arguments, const std::string& folder,
    const std::function<void()>& sessionEnding) {
  Outcome outcome;
  // The window is there before the game: a session that ends at once is heard too.
  Watch watch;
  watch.sessionEnding = &sessionEnding;
  g_watch = &watch;
  const HWND window = makeWatchWindow();

  const std::string commandLine =
      quoteIfBlank(program) + (arguments.empty() ? std::string() : " " + arguments);
  PROCESS_INFORMATION process{};
  if (!start(programStart(commandLine, folder), process)) {
    outcome.error = GetLastError();
    if (window) DestroyWindow(window);
    g_watch = nullptr;
    return outcome;
  }
  CloseHandle(process.hThread);

  // Asleep until the game ends or a message comes: the game has the processor to itself.
  // Windows 98's QS_ALLINPUT, sent messages (the session's end) included: these headers' own
  // carries QS_RAWINPUT (XP), which Windows 98 refuses.
  const DWORD anyMessage = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER |
                           QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
  outcome.ending = ProgramRunner::Ending::Ended;
  for (;;) {
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, INFINITE, anyMessage);
    if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (watch.sessionEnded) {
      outcome.ending = ProgramRunner::Ending::SessionEnding;
      break;
    }
  }
  CloseHandle(process.hProcess);
  if (window) DestroyWindow(window);
  g_watch = nullptr;
  return outcome;
}

}  // namespace platform::win32
