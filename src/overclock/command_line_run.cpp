#include "overclock/command_line_run.h"

#include <exception>

#include "overclock/clock_commands.h"
#include "overclock/clock_tool.h"
#include "overclock/command_line_registry.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "stored/clock_settings.h"
#include "text/catalogue.h"
#include "ui/runtime.h"

namespace overclock {
namespace {

// A catalogue text with its "%s" filled in, in order.
std::string filled(text::Id id, std::initializer_list<std::string> arguments) {
  std::string message = text::tr(id);
  for (const std::string& argument : arguments) message = platform::format1(message, argument);
  return message;
}

// The folder a program lives in; a drive's root keeps its backslash ("C:\").
std::string folderOf(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return "";
  if (separator == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, separator);
}

// A file in a folder; a drive's root keeps its backslash.
std::string inFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

class CommandLineRun {
 public:
  CommandLineRun(platform::Services& services, platform::ProgramRunner& runner)
      : services_(services), runner_(runner) {}

  int carryOut(const CommandLineRequest& request);

 private:
  enum class ToolResult { Done, NotStarted, Failed };

  void tell(const std::string& message, platform::MessageIcon icon) {
    services_.dialogs.messageBox(ui::Runtime::applicationTitle(), message, icon,
                                 platform::MessageButtons::Ok);
  }
  int refuse(const std::string& message) {
    tell(message, platform::MessageIcon::Error);
    return kExitRefused;
  }
  // Why a clock may not run from the command line, or nothing when it may.
  std::optional<std::string> refusal(int mhz) const;
  ToolResult runTool(int mhz);
  // What went wrong with the tool, as a sentence.
  std::string toolProblem(ToolResult result) const;
  // Runs the tool for the default clock and stores it. `report` gets the sentence that says
  // what became of the clock.
  bool restore(std::string& report);
  int setClock(int mhz);
  int runGame(int mhz, const std::string& program, const std::string& arguments);

  platform::Services& services_;
  platform::ProgramRunner& runner_;
  CommandLineClockSettings settings_;
  ClockToolKind kind_ = ClockToolKind::G200clk;
  std::uint32_t toolExitCode_ = 0;
};

std::optional<std::string> CommandLineRun::refusal(int mhz) const {
  const std::string clock = std::to_string(mhz);
  if (mhz < settings_.lowestClock || mhz > settings_.highestClock)
    return filled(text::Id::CommandLineOutsideLimits,
                  {clock, std::to_string(settings_.lowestClock),
                   std::to_string(settings_.highestClock)});
  // The default clock is what 初期設定 sets; it needs no confirmation.
  if (mhz == settings_.defaultClock) return std::nullopt;
  const auto& confirmed = settings_.confirmedClock;
  if (confirmed && mhz <= *confirmed) return std::nullopt;
  const std::string why =
      confirmed ? filled(text::Id::CommandLineAboveConfirmed, {clock, std::to_string(*confirmed)})
                : filled(text::Id::CommandLineNothingConfirmed, {clock});
  return why + "\n" + text::tr(text::Id::CommandLineHowToConfirm);
}

CommandLineRun::ToolResult CommandLineRun::runTool(int mhz) {
  const auto commandLine = clockCommandLine(kind_, settings_.toolPath, mhz);
  if (!commandLine) return ToolResult::NotStarted;  // limits keep every clock inside the tables
  // In the program's folder, as the window's tool runs when Corvane is started from Explorer:
  // Mystclk.com finds its Mystclk.ini (and the chipset line in it) there.
  const auto code = runner_.runAndWait(*commandLine, services_.programFolder, kToolWaitMs);
  if (!code) return ToolResult::NotStarted;
  toolExitCode_ = *code;
  // A tool still busy after the wait is taken at its word, as the window takes it.
  return *code == 0 || *code == platform::ProgramRunner::kStillRunning ? ToolResult::Done
                                                                        : ToolResult::Failed;
}

std::string CommandLineRun::toolProblem(ToolResult result) const {
  if (result == ToolResult::NotStarted)
    return filled(text::Id::CommandLineToolNotStarted, {settings_.toolPath});
  return filled(text::Id::CommandLineToolFailed,
                {settings_.toolPath, std::to_string(toolExitCode_)});
}

bool CommandLineRun::restore(std::string& report) {
  const int clock = settings_.defaultClock;
  const ToolResult result = runTool(clock);
  if (result != ToolResult::Done) {
    report = toolProblem(result);
    return false;
  }
  stored::ClockSettings(services_.registry).storeLastClock(clock);
  report = filled(text::Id::ClockRestored, {std::to_string(clock)});
  return true;
}

int CommandLineRun::setClock(int mhz) {
  const ToolResult result = runTool(mhz);
  if (result == ToolResult::NotStarted) {
    tell(toolProblem(result), platform::MessageIcon::Error);
    return kExitToolFailed;
  }
  if (result == ToolResult::Failed) {
    // The chip's clock is not known now: the default one is the safe one.
    const std::string problem = toolProblem(result);
    std::string report;
    restore(report);
    tell(problem + "\n" + report, platform::MessageIcon::Error);
    return kExitToolFailed;
  }
  return kExitDone;
}

int CommandLineRun::runGame(int mhz, const std::string& program, const std::string& arguments) {
  std::string report;
  bool restored = false;
  platform::ProgramRunner::Outcome outcome;
  try {
    stored::ClockSettings(services_.registry).storeLastClock(mhz);
    outcome = runner_.runUntilEnded(program, arguments, folderOf(program),
                                    [&] { restored = restore(report); });
  } catch (const std::exception& e) {
    // Whatever went wrong, the clock does not stay up.
    if (!restored) restore(report);
    tell(std::string(e.what()) + "\n" + report, platform::MessageIcon::Error);
    return kExitRefused;
  }
  switch (outcome.ending) {
    case platform::ProgramRunner::Ending::SessionEnding:
      // Restored while Windows waited; no one is left to read a message.
      return restored ? kExitDone : kExitToolFailed;
    case platform::ProgramRunner::Ending::NotStarted:
      restored = restore(report);
      tell(filled(text::Id::CommandLineGameNotStarted,
                  {program, std::to_string(outcome.error)}) + "\n" + report,
           platform::MessageIcon::Error);
      return restored ? kExitRefused : kExitToolFailed;
    case platform::ProgramRunner::Ending::Ended:
      break;
  }
  if (restore(report)) return kExitDone;
  tell(report, platform::MessageIcon::Error);
  return kExitToolFailed;
}

int CommandLineRun::carryOut(const CommandLineRequest& request) {
  switch (request.action) {
    case CommandLineAction::OpenWindow:
      return kExitDone;
    case CommandLineAction::ShowUsage:
      tell(commandLineUsage(), platform::MessageIcon::Information);
      return kExitDone;
    case CommandLineAction::Refused:
      // The usage only where the switches themselves were not understood.
      return refuse(request.withUsage ? request.problem + "\n\n" + commandLineUsage()
                                      : request.problem);
    case CommandLineAction::SetClock:
    case CommandLineAction::RestoreDefault:
    case CommandLineAction::RunGame:
      break;
  }
  settings_ = readCommandLineClockSettings(services_.registry, services_.programFolder);
  kind_ = classifyToolPath(settings_.toolPath);

  std::string program;
  if (request.action == CommandLineAction::RunGame) {
    const auto found = runner_.existingFile(request.program);
    if (!found)
      return refuse(filled(text::Id::CommandLineProgramNotFound, {request.program}));
    program = *found;
  }
  if (request.action != CommandLineAction::RestoreDefault) {
    if (const auto why = refusal(request.clockMhz)) return refuse(*why);
  }
  if (kind_ == ClockToolKind::Mystclk) {
    // The window starts nothing without the tool's ini, whose first line is the chipset's.
    try {
      services_.files.readRawLines(inFolder(services_.programFolder, "Mystclk.ini"));
    } catch (const std::exception& e) {
      tell(e.what(), platform::MessageIcon::Error);
      return kExitToolFailed;
    }
  }

  if (request.action == CommandLineAction::RestoreDefault) {
    std::string report;
    if (restore(report)) return kExitDone;
    tell(report, platform::MessageIcon::Error);
    return kExitToolFailed;
  }
  if (const int failed = setClock(request.clockMhz); failed != kExitDone) return failed;
  if (request.action == CommandLineAction::SetClock) {
    stored::ClockSettings(services_.registry).storeLastClock(request.clockMhz);
    return kExitDone;
  }
  return runGame(request.clockMhz, program, request.programArguments);
}

}  // namespace

int carryOut(const CommandLineRequest& request, platform::Services& services,
             platform::ProgramRunner& runner) {
  CommandLineRun run(services, runner);
  try {
    return run.carryOut(request);
  } catch (const std::exception& e) {
    // A registry that refuses to be read: nothing was started.
    services.dialogs.messageBox(ui::Runtime::applicationTitle(), e.what(),
                                platform::MessageIcon::Error, platform::MessageButtons::Ok);
    return kExitRefused;
  }
}

std::optional<int> runCommandLine(const std::string& commandLine, platform::Services& services,
                                  platform::ProgramRunner& runner) {
  const CommandLineRequest request = parseCommandLine(commandLine);
  if (request.action == CommandLineAction::OpenWindow) return std::nullopt;
  return carryOut(request, services, runner);
}

}  // namespace overclock
