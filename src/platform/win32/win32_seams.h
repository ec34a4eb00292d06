#pragma once
// The real implementations of the small seams: programs, version, timer, date, files, dialogs
// (one file each: win32_launcher, win32_version_and_time, win32_text_files, win32_folders,
// win32_dialogs, win32_program_folder).
#include "platform/seams.h"

namespace platform::win32 {

class Win32Launcher : public Launcher {
 public:
  Win32Launcher() = default;
  // Waits a while for the clock tool runs still going: they hold the machine's lock.
  ~Win32Launcher() override;
  Win32Launcher(const Win32Launcher&) = delete;
  Win32Launcher& operator=(const Win32Launcher&) = delete;
  // The clock tool's runs: win32_clock_tool_runs.cpp.
  ToolRun runClockTool(const std::string& commandLine, const std::string& folder,
                       std::uint32_t lockWaitMs, std::uint32_t waitMs) override;
  Watched runClockBatch(const std::string& commandLine, const std::string& folder,
                        std::uint32_t lockWaitMs) override;
  bool waitFor(Watched program, std::uint32_t milliseconds) override;
  bool runThroughShell(const std::string& commandLine, const std::string& workingFolder,
                       ShowMode show) override;
  bool open(const std::string& target) override;
};

class Win32OsVersion : public OsVersion {
 public:
  std::optional<OsVersionInfo> query() override;
};

class Win32MilliTimer : public MilliTimer {
 public:
  std::uint32_t now() override;
};

class Win32Calendar : public Calendar {
 public:
  Date today() override;
  Moment now() override;
};

class Win32TextFiles : public TextFiles {
 public:
  std::vector<std::string> readLines(const std::string& path) override;
  std::vector<std::string> readRawLines(const std::string& path) override;
  void writeLines(const std::string& path, const std::vector<std::string>& lines) override;
  void writeRawLines(const std::string& path, const std::vector<std::string>& lines) override;
  void moveOver(const std::string& from, const std::string& target) override;
  void remove(const std::string& path) override;
};

class Win32Folders : public Folders {
 public:
  bool makeFolder(const std::string& path) override;
  std::vector<std::string> fileNames(const std::string& folder) override;
  bool fileExists(const std::string& path) override;
};

class Win32Dialogs : public Dialogs {
 public:
  MessageResult messageBox(const std::string& caption, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override;
  std::optional<std::string> openFile(const FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const FileDialogOptions& options) override;
};

// The folder of the running program's file, without a trailing backslash (a root keeps it).
std::string programFolder();

}  // namespace platform::win32
