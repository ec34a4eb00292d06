#pragma once
// Every outside thing the program touches, one small interface each. The real ones live in
// platform/win32; the test doubles in tests/doubles.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// ---- Starting programs ------------------------------------------------------------------------

enum class ShowMode { Hidden = 0, Normal = 1 };

class Launcher {
 public:
  virtual ~Launcher() = default;

  // ---- The clock tool ----
  // Every run of the clock tool, and of clk.bat which runs it, holds one lock of the whole
  // machine from its start to its end, whichever copy of Corvane started it: two tools setting
  // the chip at once could leave it at either's clock, or at neither.
  struct ToolRun {
    enum class Status {
      Ended,         // it ended by itself: exitCode is its word
      StillRunning,  // not ended within the wait; it keeps the lock until it ends
      NotStarted,    // no such program, or the system refused it: `error` says why
      Busy,          // another run held the lock for the whole of lockWaitMs; nothing started
    };
    Status status = Status::NotStarted;
    std::uint32_t exitCode = 0;
    std::uint32_t error = 0;
  };
  // Runs a command line, shown normally, with `folder` as its current folder, once no other run
  // holds the lock (waiting at most `lockWaitMs` for it), and waits at most `waitMs` for its
  // end. The program's windows are kept painted meanwhile; input given to them during the wait
  // is dropped (it was aimed at a window that could not answer).
  virtual ToolRun runClockTool(const std::string& commandLine, const std::string& folder,
                               std::uint32_t lockWaitMs, std::uint32_t waitMs) = 0;
  // A program started by runClockBatch, kept so that it can be waited for; 0 stands for none.
  using Watched = std::uintptr_t;
  // Starts a batch file through the command interpreter in `folder`, without waiting; it runs
  // under the same lock once the lock is free (waiting at most `lockWaitMs`, else it does not
  // run at all). 0 when it could not be started.
  virtual Watched runClockBatch(const std::string& commandLine, const std::string& folder,
                                std::uint32_t lockWaitMs) = 0;
  // Waits until the batch file has ended (and let go of the lock) or `milliseconds` have
  // passed, keeping the windows painted, then lets go of it. True when it had ended.
  virtual bool waitFor(Watched program, std::uint32_t milliseconds) = 0;

  // ---- Other programs ----
  // Starts a command line through the command interpreter (COMSPEC, else command.com) with
  // `workingFolder` as its current folder, so that redirections such as "> file" work.
  virtual bool runThroughShell(const std::string& commandLine, const std::string& workingFolder,
                               ShowMode show) = 0;
  // Opens a document or address with the program the system has for it (web browser, mail).
  virtual bool open(const std::string& target) = 0;
};

// ---- Operating system version -----------------------------------------------------------------

enum class OsPlatform { Win32s, Windows9x, WindowsNT, Other };

struct OsVersionInfo {
  OsPlatform platform = OsPlatform::Other;
  int major = 0;
  int minor = 0;
};

class OsVersion {
 public:
  virtual ~OsVersion() = default;
  virtual std::optional<OsVersionInfo> query() = 0;  // nothing when the query fails
};

// ---- Millisecond timer ------------------------------------------------------------------------

class MilliTimer {
 public:
  virtual ~MilliTimer() = default;
  virtual std::uint32_t now() = 0;  // wraps around after 2^32 ms, like timeGetTime
};

// ---- Today's date -----------------------------------------------------------------------------

struct Date {
  int day = 1, month = 1, year = 2000;
};

// A date with the time of day, to the second.
struct Moment {
  Date date;
  int hour = 0, minute = 0, second = 0;
};

class Calendar {
 public:
  virtual ~Calendar() = default;
  virtual Date today() = 0;
  virtual Moment now() = 0;
};

// ---- Text files as lines ----------------------------------------------------------------------

class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // Lines converted from the ANSI code page to UTF-8, split at CR LF, CR or LF. A final line
  // break does not start another line. Throws UserError "ファイル %s は開けません", and for a
  // file beyond platform::kMaxTextFileBytes the one of platform/file_limits.h, before reading.
  virtual std::vector<std::string> readLines(const std::string& path) = 0;
  // The same lines as the file's own bytes, unconverted, for callers that count byte positions.
  virtual std::vector<std::string> readRawLines(const std::string& path) = 0;
  // Writes every line followed by CR LF, in the ANSI code page. The old file is replaced only
  // once the new one is complete; a read-only file is refused and left as it is. Throws
  // UserError "ファイル %s を作成できません".
  virtual void writeLines(const std::string& path, const std::vector<std::string>& lines) = 0;
  // The same with the lines' own bytes, unconverted: lines read with readRawLines come back
  // byte for byte.
  virtual void writeRawLines(const std::string& path, const std::vector<std::string>& lines) = 0;
  // Puts the file `from` in the place of `target`, replacing it as writeLines does (a read-only
  // target is refused). `from` is gone afterwards either way. Throws UserError
  // "ファイル %s を作成できません" naming `target`.
  virtual void moveOver(const std::string& from, const std::string& target) = 0;
  // Removes a file; one that is missing is no error.
  virtual void remove(const std::string& path) = 0;
};

// ---- Folders ----------------------------------------------------------------------------------

class Folders {
 public:
  virtual ~Folders() = default;
  // Makes the folder when it is missing (its parent must exist). True when it is there after.
  virtual bool makeFolder(const std::string& path) = 0;
  // The names of the files (not folders) in a folder, in no particular order; none when the
  // folder is missing.
  virtual std::vector<std::string> fileNames(const std::string& folder) = 0;
  // True when `path` names a file (not a folder) that is there.
  virtual bool fileExists(const std::string& path) = 0;
};

// ---- Dialogs ----------------------------------------------------------------------------------

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

struct FileFilter {
  std::string description;  // "G200clk.exe or Mystclk.com"
  std::string pattern;      // "G200clk.exe;Mystclk.com"
};

struct FileDialogOptions {
  std::string title;
  std::string fileName;  // offered at first
  std::vector<FileFilter> filters;
  std::string defaultExtension;  // without the dot; added when the user gives none
  bool overwritePrompt = false;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MessageResult messageBox(const std::string& caption, const std::string& text,
                                   MessageIcon icon, MessageButtons buttons) = 0;
  // The chosen full path, or nothing when the user cancels.
  virtual std::optional<std::string> openFile(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogOptions& options) = 0;
};

// ---- Processor instructions -------------------------------------------------------------------

struct CpuidResult {
  std::uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

class ProcessorQuery {
 public:
  virtual ~ProcessorQuery() = default;
  virtual bool idFlagToggles() = 0;               // bit 21 of EFLAGS can be changed
  virtual CpuidResult cpuid(std::uint32_t leaf) = 0;  // leaf 0 or 1 only
  virtual std::uint64_t rdtsc() = 0;
};

}  // namespace platform
