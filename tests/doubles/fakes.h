#pragma once
// Test doubles for the seams: they record what the program did and answer as told.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "memory_registry.h"
#include "platform/seams.h"
#include "platform/services.h"
#include "platform/shortcuts.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace doubles {

class RecordingLauncher : public platform::Launcher {
 public:
  struct Start {
    std::string commandLine;
    platform::ShowMode show;
    std::string workingFolder;
    bool throughShell = false;
  };
  // Recorded as a start (shown normally, in `folder`); answers the next of `toolRuns`, or an
  // end with code 0. A run that does not start runs no side effect.
  ToolRun runClockTool(const std::string& commandLine, const std::string& folder,
                       std::uint32_t lockWaitMs, std::uint32_t waitMs) override;
  bool runThroughShell(const std::string& commandLine, const std::string& workingFolder,
                       platform::ShowMode show) override;
  bool open(const std::string& target) override;
  // Recorded as a start through the shell; each batch gets the next number from 1.
  Watched runClockBatch(const std::string& commandLine, const std::string& folder,
                        std::uint32_t lockWaitMs) override;
  // Records the wait, runs onWait (the program doing its work before it ends), answers `ended`.
  bool waitFor(Watched program, std::uint32_t milliseconds) override;

  std::vector<Watched> watched;
  std::vector<std::pair<Watched, std::uint32_t>> waits;
  std::function<void()> onWait;
  bool ended = true;
  std::vector<Start> starts;
  std::vector<std::string> opened;
  bool succeed = true;  // what runThroughShell, open and runClockBatch answer
  std::deque<ToolRun> toolRuns;  // what the next tool runs answer
  // Called with each command line, as if the program ran (a stand-in tool writing a file).
  std::function<void(const std::string&)> sideEffect;
};

class FixedOsVersion : public platform::OsVersion {
 public:
  std::optional<platform::OsVersionInfo> query() override {
    ++queries;
    return info;
  }
  std::optional<platform::OsVersionInfo> info =
      platform::OsVersionInfo{platform::OsPlatform::Windows9x, 4, 10};
  int queries = 0;
};

// Gives the readings it was told, then keeps adding `step` to the last one.
class ScriptedTimer : public platform::MilliTimer {
 public:
  std::uint32_t now() override;
  std::deque<std::uint32_t> readings;
  std::uint32_t last = 0;
  std::uint32_t step = 1;
  int calls = 0;
};

class FixedCalendar : public platform::Calendar {
 public:
  platform::Date today() override { return date; }
  platform::Moment now() override { return {date, hour, minute, second}; }
  platform::Date date{6, 12, 2026};
  int hour = 14, minute = 30, second = 5;
};

// Real files in real folders; UTF-8 stands in for the ANSI code page. On Linux a "\\" in a path
// is taken as the folder separator.
class PlainTextFiles : public platform::TextFiles {
 public:
  std::vector<std::string> readLines(const std::string& path) override;
  std::vector<std::string> readRawLines(const std::string& path) override;
  void writeLines(const std::string& path, const std::vector<std::string>& lines) override;
  void writeRawLines(const std::string& path, const std::vector<std::string>& lines) override;
  void moveOver(const std::string& from, const std::string& target) override;
  void remove(const std::string& path) override;
};

// Real folders; on Linux a "\\" in a path is taken as the folder separator.
class PlainFolders : public platform::Folders {
 public:
  bool makeFolder(const std::string& path) override;
  std::vector<std::string> fileNames(const std::string& folder) override;
  bool fileExists(const std::string& path) override;
};

class RecordingDialogs : public platform::Dialogs {
 public:
  struct Box {
    std::string caption;
    std::string text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
  };
  platform::MessageResult messageBox(const std::string& caption, const std::string& text,
                                     platform::MessageIcon icon,
                                     platform::MessageButtons buttons) override;
  std::optional<std::string> openFile(const platform::FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const platform::FileDialogOptions& options) override;

  std::vector<Box> boxes;
  std::deque<platform::MessageResult> answers;  // default: Ok
  // Runs while a box is open (the countdown's restore message is shown inside a modal window).
  std::function<void(const Box&)> whileOpen;
  std::vector<platform::FileDialogOptions> fileDialogs;
  std::deque<std::optional<std::string>> fileAnswers;  // default: cancelled
};

// Shortcuts as real files in the folders it is told; each holds the link's fields, one a line,
// so a test can read back what was written. `refuse` makes every write fail as a refusing
// folder does, leaving nothing.
class RecordingShortcuts : public platform::Shortcuts {
 public:
  std::optional<std::string> folderOf(platform::ShortcutPlace place) override;
  void write(const std::string& path, const platform::ShortcutLink& link) override;
  std::string runningProgram() override { return program; }

  std::map<platform::ShortcutPlace, std::string> folders;  // a place not listed has none
  std::string program = "C:\\Program Files\\Corvane\\corvane.exe";
  bool refuse = false;
  std::vector<std::pair<std::string, platform::ShortcutLink>> written;
};

// A processor that replays a CPUID record.
class RecordedProcessor : public platform::ProcessorQuery {
 public:
  bool idFlagToggles() override { return hasCpuid; }
  platform::CpuidResult cpuid(std::uint32_t leaf) override;
  std::uint64_t rdtsc() override;

  bool hasCpuid = true;
  std::map<std::uint32_t, platform::CpuidResult> leaves;
  std::deque<std::uint64_t> counterReadings;
  std::uint64_t counter = 0;
  int cpuidCalls = 0;

  // vendor, highest leaf, leaf-1 EAX and EDX, as in a dump.
  static RecordedProcessor from(const std::string& vendor, std::uint32_t maxLeaf,
                                std::uint32_t eax1, std::uint32_t edx1);
};

// Modal loops run scripts: each showModal takes the next script and runs it with the form.
class TestRuntime : public ui::Runtime {
 public:
  explicit TestRuntime(platform::Dialogs& dialogs) : ui::Runtime(dialogs) {}
  void formShown(ui::Form& form) override { shown.push_back(form.name()); }
  void runModal(ui::Form& form) override;
  void terminate(int code = 0) override {
    terminated = true;
    if (code > exitCode) exitCode = code;  // as the Win32 runtime: a refusal stays one
  }
  // No message loop here: the work runs at once, where the program asked for it, unless a test
  // holds it back to run it later (runIdleWork).
  void whenIdle(ui::Handler work) override;
  void runIdleWork();
  bool holdIdleWork = false;
  std::vector<ui::Handler> idleWork;

  std::deque<std::function<void(ui::Form&)>> modalScripts;
  std::vector<std::string> shown;
  std::vector<std::string> modalRuns;
  bool terminated = false;
  int exitCode = 0;
  bool modalLeftOpen = false;  // a script returned with its form still open
};

// All the doubles of one test, and the services the windows take.
struct World {
  MemoryRegistry registry;
  RecordingLauncher launcher;
  FixedOsVersion os;
  ScriptedTimer timer;
  FixedCalendar calendar;
  PlainTextFiles files;
  PlainFolders folders;
  RecordingDialogs dialogs;
  RecordedProcessor processor;
  RecordingShortcuts shortcuts;
  TestRuntime runtime{dialogs};
  std::string programFolder;

  platform::Services services() {
    return {registry, launcher, os,        timer,        calendar,
            files,    folders,  dialogs,   processor,    programFolder};
  }
};

// A fresh folder under the system's temp folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }
  // The path of a file in the folder, written as the program writes paths ("folder\\name").
  std::string file(const std::string& name) const { return path_ + "\\" + name; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace doubles
