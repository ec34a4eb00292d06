// The recording doubles: launcher, timer, dialogs, processor and the test runtime; the doubles
// that keep real files on the host in host_files.cpp.
#include "fakes.h"

#include <stdexcept>

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

}  // namespace doubles
