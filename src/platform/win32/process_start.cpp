#include "platform/win32/process_start.h"

#include <vector>

#include "platform/win32/ansi.h"

namespace platform::win32 {
namespace {

// GetVersion's top bit is clear on the NT family and set on Windows 95/98 (and Win32s).
bool onWindowsNT() { return (GetVersion() & 0x80000000u) == 0; }

}  // namespace

ProcessStart programStart(const std::string& commandLine, const std::string& folder) {
  return {toAnsi(commandLine), toAnsi(folder), SW_SHOWNORMAL, 0};
}

ProcessStart shellStart(const std::string& commandLine, const std::string& folder,
                        ShowMode show) {
  // COMSPEC names command.com on Windows 95/98 and cmd.exe elsewhere.
  std::string shell;
  const DWORD needed = GetEnvironmentVariableA("COMSPEC", nullptr, 0);
  if (needed > 0) {
    shell.resize(needed);
    const DWORD got = GetEnvironmentVariableA("COMSPEC", &shell[0], needed);
    shell.resize(got < needed ? got : 0);
  }
  if (shell.empty()) shell = "command.com";
  // CREATE_NO_WINDOW is an NT flag (cmd.exe is a console program); COMMAND.COM on Windows 95/98
  // stays out of sight through SW_HIDE alone.
  const bool hidden = show == ShowMode::Hidden;
  return {shell + " /c " + toAnsi(commandLine), toAnsi(folder),
          static_cast<WORD>(hidden ? SW_HIDE : SW_SHOWNORMAL),
          hidden && onWindowsNT() ? CREATE_NO_WINDOW : 0u};
}

bool startPrepared(char* line, const char* folder, WORD show, DWORD flags,
                   PROCESS_INFORMATION& process) {
  // STARTUPINFOA has had one size since Windows 95.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  return CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, flags, nullptr,
                        folder && *folder ? folder : nullptr, &startup, &process) != FALSE;
}

bool start(const ProcessStart& prepared, PROCESS_INFORMATION& process) {
  std::vector<char> writable(prepared.line.begin(), prepared.line.end());
  writable.push_back('\0');
  return startPrepared(writable.data(), prepared.folder.c_str(), prepared.show, prepared.flags,
                       process);
}

}  // namespace platform::win32
