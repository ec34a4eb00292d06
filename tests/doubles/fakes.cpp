#include "fakes.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/file_limits.h"
#include "platform/text.h"

#include <dirent.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace doubles {

platform::Launcher::ToolRun RecordingLauncher::runClockTool(const std::string& commandLine,
                                                            const std::string& folder,
                                                            std::uint32_t, std::uint32_t) {
  starts.push_back({commandLine, platform::ShowMode::Normal, folder, false});
  ToolRun run;
  run.status = ToolRun::Status::Ended;
  if (!toolRuns.empty()) {
    run = toolRuns.front();
    toolRuns.pop_front();
  }
  const bool started = run.status == ToolRun::Status::Ended ||
                       run.status == ToolRun::Status::StillRunning;
  if (started && sideEffect) sideEffect(commandLine);
  return run;
}

bool RecordingLauncher::runThroughShell(const std::string& commandLine,
                                        const std::string& workingFolder,
                                        platform::ShowMode show) {
  starts.push_back({commandLine, show, workingFolder, true});
  if (sideEffect) sideEffect(commandLine);
  return succeed;
}

platform::Launcher::Watched RecordingLauncher::runClockBatch(const std::string& commandLine,
                                                             const std::string& folder,
                                                             std::uint32_t) {
  starts.push_back({commandLine, platform::ShowMode::Normal, folder, true});
  if (!succeed) return 0;
  if (sideEffect) sideEffect(commandLine);
  watched.push_back(watched.size() + 1);
  return watched.back();
}

bool RecordingLauncher::waitFor(Watched program, std::uint32_t milliseconds) {
  waits.emplace_back(program, milliseconds);
  if (onWait) onWait();
  return ended;
}

bool RecordingLauncher::open(const std::string& target) {
  opened.push_back(target);
  return succeed;
}

std::uint32_t ScriptedTimer::now() {
  ++calls;
  if (!readings.empty()) {
    last = readings.front();
    readings.pop_front();
  } else {
    last += step;
  }
  return last;
}

namespace {

// The program writes Windows paths ("folder\\file"); on Linux the folder separator is "/".
std::string hostPath(std::string path) {
#ifndef _WIN32
  for (char& c : path)
    if (c == '\\') c = '/';
#endif
  return path;
}

std::string slurp(const std::string& path) {
  std::ifstream in(hostPath(path), std::ios::binary);
  if (!in) throw platform::UserError(platform::format1("ファイル %s は開けません", path));
  in.seekg(0, std::ios::end);
  platform::refuseOversizedFile(path, static_cast<std::uint64_t>(in.tellg()));
  in.seekg(0, std::ios::beg);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

}  // namespace

std::vector<std::string> PlainTextFiles::readLines(const std::string& path) {
  return platform::splitLines(slurp(path));
}

std::vector<std::string> PlainTextFiles::readRawLines(const std::string& path) {
  return platform::splitLines(slurp(path));
}

namespace {

// A file whose write permission is off, as a read-only file is on Windows (root included: the
// mode bits, not access(), which lets root write anything).
bool readOnly(const std::string& hostFile) {
  struct stat info {};
  if (stat(hostFile.c_str(), &info) != 0) return false;
#ifdef _WIN32
  return (info.st_mode & _S_IWRITE) == 0;
#else
  return (info.st_mode & S_IWUSR) == 0;
#endif
}

platform::UserError cannotCreate(const std::string& path) {
  return platform::UserError(platform::format1("ファイル %s を作成できません", path));
}

}  // namespace

void PlainTextFiles::writeLines(const std::string& path, const std::vector<std::string>& lines) {
  writeRawLines(path, lines);
}

void PlainTextFiles::writeRawLines(const std::string& path,
                                   const std::vector<std::string>& lines) {
  const std::string target = hostPath(path);
  if (readOnly(target)) throw cannotCreate(path);
  const std::string aside = target + ".new";
  {
    std::ofstream out(aside, std::ios::binary | std::ios::trunc);
    if (!out) throw cannotCreate(path);
    for (const auto& line : lines) out << line << "\r\n";
    if (!out.flush()) {
      std::remove(aside.c_str());
      throw cannotCreate(path);
    }
  }
  std::remove(target.c_str());
  if (std::rename(aside.c_str(), target.c_str()) != 0) throw cannotCreate(path);
}

void PlainTextFiles::moveOver(const std::string& from, const std::string& target) {
  const std::string hostFrom = hostPath(from);
  const std::string hostTarget = hostPath(target);
  if (readOnly(hostTarget)) {
    std::remove(hostFrom.c_str());
    throw cannotCreate(target);
  }
  std::remove(hostTarget.c_str());
  if (std::rename(hostFrom.c_str(), hostTarget.c_str()) != 0) {
    std::remove(hostFrom.c_str());
    throw cannotCreate(target);
  }
}

void PlainTextFiles::remove(const std::string& path) { std::remove(hostPath(path).c_str()); }

bool PlainFolders::makeFolder(const std::string& path) {
  const std::string host = hostPath(path);
#ifdef _WIN32
  _mkdir(host.c_str());
#else
  mkdir(host.c_str(), 0777);
#endif
  struct stat info {};
  return stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PlainFolders::fileExists(const std::string& path) {
  struct stat info {};
  return stat(hostPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> PlainFolders::fileNames(const std::string& folder) {
  std::vector<std::string> names;
  const std::string host = hostPath(folder);
  DIR* dir = opendir(host.c_str());
  if (!dir) return names;
  while (const dirent* entry = readdir(dir)) {
    struct stat info {};
    const std::string name = entry->d_name;
    if (stat((host + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
      names.push_back(name);
  }
  closedir(dir);
  return names;
}


platform::MessageResult RecordingDialogs::messageBox(const std::string& caption,
                                                     const std::string& text,
                                                     platform::MessageIcon icon,
                                                     platform::MessageButtons buttons) {
  boxes.push_back({caption, text, icon, buttons});
  if (whileOpen) whileOpen(boxes.back());
  if (answers.empty()) return platform::MessageResult::Ok;
  const auto answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> RecordingDialogs::openFile(const platform::FileDialogOptions& o) {
  fileDialogs.push_back(o);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> RecordingDialogs::saveFile(const platform::FileDialogOptions& o) {
  return openFile(o);
}

platform::CpuidResult RecordedProcessor::cpuid(std::uint32_t leaf) {
  ++cpuidCalls;
  if (!hasCpuid) throw std::logic_error("CPUID executed on a processor without it");
  auto it = leaves.find(leaf);
  return it == leaves.end() ? platform::CpuidResult{} : it->second;
}

std::uint64_t RecordedProcessor::rdtsc() {
  if (!counterReadings.empty()) {
    counter = counterReadings.front();
    counterReadings.pop_front();
  }
  return counter;
}

RecordedProcessor RecordedProcessor::from(const std::string& vendor, std::uint32_t maxLeaf,
                                          std::uint32_t eax1, std::uint32_t edx1) {
  RecordedProcessor p;
  std::string v = vendor;
  v.resize(12, ' ');
  auto word = [&](int at) {
    return std::uint32_t(std::uint8_t(v[at])) | std::uint32_t(std::uint8_t(v[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(v[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(v[at + 3])) << 24;
  };
  p.leaves[0] = {maxLeaf, word(0), word(8), word(4)};
  p.leaves[1] = {eax1, 0, 0, edx1};
  return p;
}

void TestRuntime::whenIdle(ui::Handler work) {
  if (holdIdleWork) idleWork.push_back(std::move(work));
  else dispatch(work);
}

void TestRuntime::runIdleWork() {
  std::vector<ui::Handler> work;
  work.swap(idleWork);
  for (const auto& w : work) dispatch(w);
}

void TestRuntime::runModal(ui::Form& form) {
  modalRuns.push_back(form.name());
  if (!modalScripts.empty()) {
    auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    script(form);
  }
  if (form.visible()) {
    modalLeftOpen = true;
    form.setVisible(false);
  }
}

TempFolder::TempFolder() {
#ifdef _WIN32
  char base[260];
  const char* tmp = std::getenv("TEMP");
  std::snprintf(base, sizeof base, "%s\\corvane-XXXXXX", tmp ? tmp : ".");
  if (!_mktemp(base) || _mkdir(base) != 0) throw std::runtime_error("no temp folder");
  path_ = base;
#else
  char base[] = "/tmp/corvane-XXXXXX";
  if (!mkdtemp(base)) throw std::runtime_error("no temp folder");
  path_ = base;
#endif
}

TempFolder::~TempFolder() {
#ifdef _WIN32
  std::system(("rmdir /s /q \"" + path_ + "\" >NUL 2>&1").c_str());
#else
  std::system(("rm -rf '" + path_ + "'").c_str());
#endif
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(hostPath(file(name)), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(hostPath(file(name)), std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool TempFolder::exists(const std::string& name) const {
  std::ifstream in(hostPath(file(name)), std::ios::binary);
  return static_cast<bool>(in);
}

std::optional<std::string> RecordingShortcuts::folderOf(platform::ShortcutPlace place) {
  const auto found = folders.find(place);
  if (found == folders.end()) return std::nullopt;
  return found->second;
}

void RecordingShortcuts::write(const std::string& path, const platform::ShortcutLink& link) {
  if (refuse) throw cannotCreate(path);
  // A real file, so that the window finds it there next time.
  PlainTextFiles().writeRawLines(path, {link.target, link.arguments, link.workingFolder,
                                        link.iconFile + "," + std::to_string(link.iconIndex),
                                        link.comment});
  written.emplace_back(path, link);
}

}  // namespace doubles
