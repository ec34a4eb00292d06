#include "overclock/command_line_run.h"

#include <exception>

#include "overclock/clock_service.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "stored/recorded_facts.h"
#include "text/catalogue.h"
#include "ui/runtime.h"

namespace overclock {
namespace {

class CommandLineRun {
 public:
  CommandLineRun(platform::Services& services, platform::ProgramRunner& runner)
      : services_(services),
        runner_(runner),
        clock_(services, machine_, stored::Access::ExistingReadOnly) {}

  int carryOut(const CommandLineRequest& request);

 private:
  void tell(const std::string& message, platform::MessageIcon icon) {
    services_.dialogs.messageBox(ui::Runtime::applicationTitle(), message, icon,
                                 platform::MessageButtons::Ok);
  }
  // The tool, then what the clock needs of the machine, learnt as the window learns it (only
  // read: the window makes the display's keys), then the profile's limits.
  void load() {
    clock_.loadTool();
    stored::RecordedFacts recorded(services_.registry, machine_, stored::Access::ExistingReadOnly);
    recorded.adapter();
    recorded.displayMode();
    clock_.loadProfile();
  }
  int refuse(const std::string& message) {
    tell(message, platform::MessageIcon::Error);
    return kExitRefused;
  }
  // The default clock back and stored; false (with `report` saying what went wrong) when the
  // tool did not do it.
  bool restore(std::string& report);
  int restoreDefault();
  int setClock(int mhz);
  int runGame(const std::string& program, const std::string& arguments);

  platform::Services& services_;
  platform::ProgramRunner& runner_;
  platform::MachineFacts machine_;
  ClockService clock_;
};

bool CommandLineRun::restore(std::string& report) {
  try {
    const int clock = clock_.runDefaultClock();
    clock_.storeLastClock(clock);
    report = platform::format1(text::tr(text::Id::ClockRestored), std::to_string(clock));
    return true;
  } catch (const std::exception& e) {
    report = e.what();
    return false;
  }
}

int CommandLineRun::restoreDefault() {
  std::string report;
  if (restore(report)) return kExitDone;
  tell(report, platform::MessageIcon::Error);
  return kExitToolFailed;
}

int CommandLineRun::setClock(int mhz) {
  try {
    clock_.runTool(mhz);
  } catch (const ToolRunError& e) {
    // A tool that ran and failed leaves the chip's clock unknown: the default one is the safe
    // one. One that never ran (another run held it) changed nothing.
    std::string message = e.what();
    if (e.toolRan()) {
      std::string report;
      restore(report);
      message += "\n" + report;
    }
    tell(message, platform::MessageIcon::Error);
    return kExitToolFailed;
  } catch (const platform::UserError& e) {
    // The tool could not be run at all (Mystclk.com without its ini).
    tell(e.what(), platform::MessageIcon::Error);
    return kExitToolFailed;
  }
  clock_.storeLastClock(mhz);
  return kExitDone;
}

int CommandLineRun::runGame(const std::string& program, const std::string& arguments) {
  std::string report;
  bool restored = false;
  platform::ProgramRunner::Outcome outcome;
  try {
    outcome = runner_.runUntilEnded(program, arguments, platform::folderOfPath(program),
                                    [&] { restored = restore(report); });
  } catch (const std::exception& e) {
    // Whatever went wrong, the clock does not stay up.
    if (!restored) restored = restore(report);
    tell(std::string(e.what()) + "\n" + report, platform::MessageIcon::Error);
    return restored ? kExitRefused : kExitToolFailed;
  }
  switch (outcome.ending) {
    case platform::ProgramRunner::Ending::SessionEnding:
      // Restored while Windows waited; no one is left to read a message.
      return restored ? kExitDone : kExitToolFailed;
    case platform::ProgramRunner::Ending::NotStarted:
      restored = restore(report);
      tell(platform::format1(
               platform::format1(text::tr(text::Id::CommandLineGameNotStarted), program),
               std::to_string(outcome.error)) +
               "\n" + report,
           platform::MessageIcon::Error);
      return restored ? kExitRefused : kExitToolFailed;
    case platform::ProgramRunner::Ending::Ended:
      break;
  }
  if (restore(report)) return kExitDone;
  // The game is over and the clock may still be up: say so plainly, and how to put it back.
  tell(report + "\n" + text::tr(text::Id::ClockRestoreAfterGameFailed),
       platform::MessageIcon::Error);
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
      if (request.clockOutsideTables != 0) {
        load();
        if (const auto why = clock_.refusal(request.clockOutsideTables, ClockRoute::CommandLine))
          return refuse(*why);
      }
      // The usage only where the switches themselves were not understood.
      return refuse(request.withUsage ? request.problem + "\n\n" + commandLineUsage()
                                      : request.problem);
    case CommandLineAction::SetClock:
    case CommandLineAction::RestoreDefault:
    case CommandLineAction::RunGame:
      break;
  }
  load();

  std::string program;
  if (request.action == CommandLineAction::RunGame) {
    const auto found = runner_.existingFile(request.program);
    if (!found)
      return refuse(
          platform::format1(text::tr(text::Id::CommandLineProgramNotFound), request.program));
    program = *found;
  }
  // Restoring the default is always allowed; any other clock only within the limits and as far
  // as the user has seen it hold.
  if (request.action == CommandLineAction::RestoreDefault) return restoreDefault();
  if (const auto why = clock_.refusal(request.clockMhz, ClockRoute::CommandLine))
    return refuse(*why);
  if (const int failed = setClock(request.clockMhz); failed != kExitDone) return failed;
  if (request.action == CommandLineAction::SetClock) return kExitDone;
  return runGame(program, request.programArguments);
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
