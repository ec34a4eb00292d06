// The launcher's plain starts: a command through the system's shell, a document opened by the
// program its type belongs to. The clock tool's runs are in win32_clock_tool_runs.cpp.
#include "platform/win32/win32_seams.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/ansi.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/process_start.h"

namespace platform::win32 {

bool Win32Launcher::runThroughShell(const std::string& commandLine,
                                    const std::string& workingFolder, ShowMode show) {
  PROCESS_INFORMATION process{};
  if (!start(shellStart(commandLine, workingFolder, show), process)) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool Win32Launcher::open(const std::string& target) {
  static const auto shellExecute =
      lateBound<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  if (!shellExecute) return false;
  const std::string what = toAnsi(target);
  const auto result = reinterpret_cast<INT_PTR>(
      shellExecute(nullptr, "open", what.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace platform::win32
