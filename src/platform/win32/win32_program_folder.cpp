// Where the running program's file lies.
#include "platform/win32/win32_seams.h"

#include <windows.h>

#include "platform/win32/ansi.h"

namespace platform::win32 {

std::string programFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD got = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (got == 0) return ".";
    if (got < path.size()) {
      path.resize(got);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::string full = fromAnsi(path);
  const auto slash = full.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  // "C:\corvane.exe" lives in the root "C:\", which keeps its backslash.
  if (slash == 2 && full[1] == ':') return full.substr(0, 3);
  return full.substr(0, slash);
}

}  // namespace platform::win32
