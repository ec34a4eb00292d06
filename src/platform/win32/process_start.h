#pragma once
// Starting a program, directly or through the command interpreter; the caller closes the two
// handles in `process`.
#include <windows.h>

#include <string>

#include "platform/seams.h"

namespace platform::win32 {

// What CreateProcessA is given: the command line and folder in the ANSI code page.
struct ProcessStart {
  std::string line;
  std::string folder;  // empty: the starting program's current folder
  WORD show = SW_SHOWNORMAL;
  DWORD flags = 0;
};
// `commandLine` and `folder` are UTF-8.
ProcessStart programStart(const std::string& commandLine, const std::string& folder);
ProcessStart shellStart(const std::string& commandLine, const std::string& folder,
                        ShowMode show);

// Starts what was prepared; `line` must be writable and end with a zero (CreateProcessA may
// write into it). Calls nothing but the system, so any thread may use it.
bool startPrepared(char* line, const char* folder, WORD show, DWORD flags,
                   PROCESS_INFORMATION& process);
bool start(const ProcessStart& prepared, PROCESS_INFORMATION& process);

}  // namespace platform::win32
