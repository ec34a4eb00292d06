#include "overclock/clock_service.h"

#include <algorithm>

#include "overclock/clock_tool.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "stored/clock_settings.h"
#include "stored/run_lists.h"
#include "text/catalogue.h"

namespace overclock {
namespace {

std::string number(int value) { return std::to_string(value); }

}  // namespace

ClockService::ClockService(platform::Services& services, const platform::MachineFacts& machine,
                           stored::Access access)
    : services_(services),
      machine_(machine),
      access_(access),
      toolPath_(inProgramFolder("G200clk.exe")) {}

std::string ClockService::inProgramFolder(const std::string& fileName) const {
  return platform::inFolder(services_.programFolder, fileName);
}

// ---- What it knows ------------------------------------------------------------------------------

void ClockService::loadTool() {
  toolPath_ = stored::ClockSettings(services_.registry, access_)
                  .toolPath()
                  .value_or(inProgramFolder("G200clk.exe"));
  kind_ = classifyToolPath(toolPath_);
  // A clock confirmed on another board says nothing about this one.
  if (access_ == stored::Access::CreateIfMissing && machine_.adapter.known &&
      stored::ConfirmedClock(services_.registry, stored::Access::ExistingReadOnly)
          .keptWithAnotherAdapter(machine_.adapter.value.value_or("")))
    stored::ConfirmedClock(services_.registry).forget();
}

void ClockService::loadProfile() {
  // A colour depth that is no number (or none known) leaves no profile active.
  const long bits = platform::wholeNumber(machine_.bitsPerPixel.value.value_or("")).value_or(0);
  profile_ = chooseClockProfile(bits, machine_.resolution.value.value_or(""));
  defaultClock_ = kInitialDefaultClock;
  maximumClock_ = kInitialMaximumClock;
  if (!profile_) return;
  // Values outside what the options window allows were written by something else: they come in
  // at the nearest end, so the restore always has a command to run. A value of the wrong type
  // is the store's error, and the initial limits stay.
  stored::ClockSettings clocks(services_.registry, access_);
  const ClockProfileInfo& info = profileInfo(*profile_);
  if (const auto stored = clocks.limit(info.defaultLimit))
    defaultClock_ = info.defaultRange.clamp(*stored);
  if (const auto stored = clocks.limit(info.maximumLimit))
    maximumClock_ = info.maximumRange.clamp(*stored);
}

void ClockService::chooseTool(const std::string& path) {
  // Classified before it is stored, so a refused write cannot leave the old tool's kind.
  toolPath_ = path;
  kind_ = classifyToolPath(path);
  stored::ClockSettings(services_.registry).storeToolPath(path);
}

ClockRange ClockService::limits() const {
  return {std::min(defaultClock_, maximumClock_), std::max(defaultClock_, maximumClock_)};
}

int ClockService::factoryDefault() const {
  return profile_ == ClockProfile::Mhz66 ? 66 : kInitialDefaultClock;
}

std::optional<int> ClockService::lastClock() {
  return stored::ClockSettings(services_.registry, access_).lastClock();
}

void ClockService::storeLastClock(int mhz) {
  stored::ClockSettings(services_.registry).storeLastClock(mhz);
}

// ---- The options window's values ----------------------------------------------------------------

ClockLimits ClockService::storedLimits() {
  stored::ClockSettings clocks(services_.registry, access_);
  const ClockProfileInfo& p89 = profileInfo(ClockProfile::Mhz89);
  const ClockProfileInfo& p66 = profileInfo(ClockProfile::Mhz66);
  const ClockLimits initial;
  ClockLimits limits;
  limits.default89 = clocks.limit(p89.defaultLimit).value_or(initial.default89);
  limits.maximum89 = clocks.limit(p89.maximumLimit).value_or(initial.maximum89);
  limits.maximum66 = clocks.limit(p66.maximumLimit).value_or(initial.maximum66);
  limits.default66 = clocks.limit(p66.defaultLimit).value_or(initial.default66);
  return limits;
}

void ClockService::storeLimits(const ClockLimits& limits) {
  if (profile_) {
    const bool is89 = *profile_ == ClockProfile::Mhz89;
    defaultClock_ = is89 ? limits.default89 : limits.default66;
    maximumClock_ = is89 ? limits.maximum89 : limits.maximum66;
  }
  stored::ClockSettings clocks(services_.registry);
  const ClockProfileInfo& p89 = profileInfo(ClockProfile::Mhz89);
  const ClockProfileInfo& p66 = profileInfo(ClockProfile::Mhz66);
  clocks.storeLimit(p89.defaultLimit, limits.default89);
  clocks.storeLimit(p89.maximumLimit, limits.maximum89);
  clocks.storeLimit(p66.maximumLimit, limits.maximum66);
  clocks.storeLimit(p66.defaultLimit, limits.default66);
}

// ---- Which clocks may run -----------------------------------------------------------------------

std::string ClockService::kindName() const {
  // The kind's file name, as the page names it.
  return kind_ == ClockToolKind::G200clk ? "G200clk.exe" : "Mystclk.com";
}

std::optional<int> ClockService::confirmedClock() {
  if (!machine_.adapter.known) return std::nullopt;
  return stored::ConfirmedClock(services_.registry, stored::Access::ExistingReadOnly)
      .highest(kindName(), machine_.adapter.value.value_or(""));
}

void ClockService::recordKept(int mhz) {
  if (!machine_.adapter.known) return;
  stored::ConfirmedClock(services_.registry)
      .recordKept(mhz, kindName(), machine_.adapter.value.value_or(""));
}

std::optional<std::string> ClockService::refusal(int mhz, ClockRoute route) {
  const ClockRange range = limits();
  if (mhz < range.low || mhz > range.high)
    return platform::formatAll(text::tr(text::Id::ClockOutsideLimits),
                               {number(mhz), number(range.low), number(range.high)});
  if (route == ClockRoute::Window) return std::nullopt;  // the countdown guards it
  // Without a countdown only what the chip was made for, or what the user has seen it hold.
  if (mhz <= factoryDefault()) return std::nullopt;
  const auto confirmed = confirmedClock();
  if (confirmed && mhz <= *confirmed) return std::nullopt;
  const bool startup = route == ClockRoute::StartupEntry;
  const std::string why =
      confirmed ? platform::formatAll(text::tr(startup ? text::Id::ClockStartupAboveConfirmed
                                                       : text::Id::CommandLineAboveConfirmed),
                                      {number(mhz), number(*confirmed)})
                : platform::formatAll(text::tr(startup ? text::Id::ClockStartupNothingConfirmed
                                                       : text::Id::CommandLineNothingConfirmed),
                                      {number(mhz)});
  return why + "\n" +
         text::tr(startup ? text::Id::ClockStartupHowToConfirm : text::Id::CommandLineHowToConfirm);
}

// ---- Runs of the tool ---------------------------------------------------------------------------

std::string ClockService::commandFor(int mhz) const {
  const auto command = clockCommandLine(kind_, toolPath_, mhz);
  if (!command) throw platform::UserError(clockOutOfRangeMessage(mhz));
  return *command;
}

void ClockService::runTool(int mhz) {
  const std::string command = commandFor(mhz);
  if (kind_ == ClockToolKind::Mystclk) {
    // Mystclk.com takes its chipset from the ini beside it: without one it has nothing to go on.
    services_.files.readRawLines(inProgramFolder("Mystclk.ini"));
  }
  // clk.bat runs the tool for its report; the lock would keep them apart anyway, but its report
  // is wanted first.
  waitForBatchFile();
  using Status = platform::Launcher::ToolRun::Status;
  const auto run = services_.launcher.runClockTool(command, services_.programFolder,
                                                   kToolLockWaitMs, kToolWaitMs);
  switch (run.status) {
    case Status::Ended:
      // A DOS tool on Windows 95/98 may report 0 whatever it did: its word is all there is.
      if (run.exitCode == 0) return;
      throw ToolRunError(platform::formatAll(text::tr(text::Id::ClockToolFailed),
                                             {toolPath_, number(run.exitCode)}),
                         true);
    case Status::StillRunning:
      throw ToolRunError(platform::formatAll(text::tr(text::Id::ClockToolStillRunning),
                                             {toolPath_, number(kToolWaitMs / 1000)}),
                         true);
    case Status::Busy:
      throw ToolRunError(text::tr(text::Id::ClockToolBusy), false);
    case Status::NotStarted:
      break;
  }
  throw ToolRunError(platform::formatAll(text::tr(text::Id::ClockToolNotStarted), {toolPath_}),
                     false);
}

int ClockService::runDefaultClock() {
  const int clock = defaultClock_;
  runTool(clock);
  return clock;
}

void ClockService::startBatchFile() {
  waitForBatchFile();  // one started before: let go of it
  // A missing batch file only means no clock report: the page copes with that.
  batch_ = services_.launcher.runClockBatch(platform::quoteIfBlank(inProgramFolder("clk.bat")),
                                            services_.programFolder, kToolWaitMs);
}

void ClockService::waitForBatchFile() {
  if (!batch_) return;
  services_.launcher.waitFor(batch_, kReportWaitMs);
  batch_ = 0;
}

// ---- The start-up entry -------------------------------------------------------------------------

bool ClockService::startupRegistered() {
  return stored::ClockStartup(services_.registry).registered();
}

void ClockService::checkStartupClock(int mhz) {
  commandFor(mhz);
  if (const auto why = refusal(mhz, ClockRoute::StartupEntry)) throw platform::UserError(*why);
  // Windows would run a missing tool at every start and fail every time.
  if (!services_.folders.fileExists(toolPath_))
    throw platform::UserError(
        platform::formatAll(text::tr(text::Id::ClockStartupToolMissing), {toolPath_}));
}

void ClockService::registerStartup(int mhz) {
  stored::ClockStartup(services_.registry).registerClock(commandFor(mhz));
}

void ClockService::unregisterStartup() { stored::ClockStartup(services_.registry).unregister(); }

}  // namespace overclock
