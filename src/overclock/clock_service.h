#pragma once
// Everything Corvane does to the chip's clock, in one place: which tool and where, the active
// profile with its limits and default clock, which clocks may run by which way, and every run of
// the tool (waited for, its exit code read, one at a time on the whole machine). The clock page,
// the countdown, the options window and the command line all go through one of these.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "overclock/clock_commands.h"
#include "overclock/clock_profile.h"
#include "platform/errors.h"
#include "platform/machine_facts.h"
#include "platform/services.h"
#include "stored/registry_key.h"

namespace overclock {

// How long a clock change waits for the tool to finish before it calls the run a failure.
constexpr std::uint32_t kToolWaitMs = 10000;
// How long a run waits for another run (clk.bat, a second Corvane) to let go of the tool.
constexpr std::uint32_t kToolLockWaitMs = 5000;

// A run of the clock tool that did not set the clock. `toolRan` when the tool did start: then
// the chip's clock is not known any more, and the default one is the safe one.
class ToolRunError : public platform::UserError {
 public:
  ToolRunError(std::string message, bool toolRan)
      : platform::UserError(std::move(message)), toolRan_(toolRan) {}
  bool toolRan() const { return toolRan_; }

 private:
  bool toolRan_;
};

// The way a clock is asked for; each has its own rule for unconfirmed clocks.
enum class ClockRoute {
  Window,        // クロック変更: any clock within the limits, the countdown guards it
  StartupEntry,  // 起動時から有効: every Windows start, with no countdown
  CommandLine,   // /clock N: no countdown either
};

class ClockService {
 public:
  // `access` is how it reads: the window as `CreateIfMissing`, the command line only what is there
  // (`ExistingReadOnly`). What it writes, it writes where the window does, making the key. The
  // display adapter and mode come from `machine`, as start-up learnt them.
  ClockService(platform::Services& services, const platform::MachineFacts& machine,
               stored::Access access = stored::Access::CreateIfMissing);
  ClockService(const ClockService&) = delete;
  ClockService& operator=(const ClockService&) = delete;

  // ---- What it knows ------------------------------------------------------------------------
  // The tool's path; a confirmation kept with another adapter than the one start-up learnt is
  // forgotten (when it may write).
  void loadTool();
  // The profile for the display mode start-up learnt, and that profile's stored limits.
  void loadProfile();
  const std::string& toolPath() const { return toolPath_; }
  ClockToolKind toolKind() const { return kind_; }
  // A tool the user chose: classified at once, then stored.
  void chooseTool(const std::string& path);
  std::optional<ClockProfile> profile() const { return profile_; }
  int defaultClock() const { return defaultClock_; }
  int maximumClock() const { return maximumClock_; }
  // The clocks that may be set: between the default and the maximum, whichever is lower first.
  ClockRange limits() const;
  // The clock the active profile starts from (89 or 66), what the chip runs at unless told
  // otherwise: never above what it was made for.
  int factoryDefault() const;
  // "OverClock": the clock Corvane last left the chip at.
  std::optional<int> lastClock();
  void storeLastClock(int mhz);

  // ---- The options window's four values -----------------------------------------------------
  // As stored; a value that is not stored is the window's initial one.
  ClockLimits storedLimits();
  // The active profile's pair become the limits at once; then all four are stored in the
  // window's order (a refused write leaves the ones before it stored).
  void storeLimits(const ClockLimits& limits);

  // ---- Which clocks may run -----------------------------------------------------------------
  // Why `mhz` may not run by `route`, in a sentence or two; nothing when it may.
  std::optional<std::string> refusal(int mhz, ClockRoute route);
  // The highest clock kept with OK with this tool kind and adapter; none while the adapter is
  // not known.
  std::optional<int> confirmedClock();
  // OK was pressed in the countdown after the tool had set `mhz`; kept with the adapter, so
  // nothing is recorded while that is not known.
  void recordKept(int mhz);

  // ---- Runs of the tool ---------------------------------------------------------------------
  // Sets the chip to `mhz`: the tool run in the program's folder (where Mystclk.com finds its
  // ini), after clk.bat, waited for. Throws platform::UserError when it cannot run (no row for
  // the clock, no ini for Mystclk.com), ToolRunError naming the tool and what went wrong (not
  // started, busy, an exit code other than 0, still running after the wait); nothing is stored
  // either way.
  void runTool(int mhz);
  // The default clock back on the chip (as runTool); returns the clock. The caller says so and
  // stores it with storeLastClock.
  int runDefaultClock();
  // The command line the tool gets for `mhz`; throws platform::UserError when it has no row.
  std::string commandFor(int mhz) const;

  // clk.bat: started in the program's folder, under the tool's lock, not waited for.
  void startBatchFile();
  // Waits (once, at most the report's time) for the batch file started last.
  void waitForBatchFile();
  static constexpr std::uint32_t kReportWaitMs = 5000;

  // ---- The start-up entry -------------------------------------------------------------------
  bool startupRegistered();
  // Throws the refusal of `mhz` for the start-up entry; the caller then asks, and registers.
  void checkStartupClock(int mhz);
  void registerStartup(int mhz);
  void unregisterStartup();

  // A file beside the program: the tool's ini, clk.bat and its report live there.
  std::string inProgramFolder(const std::string& fileName) const;

 private:
  std::string kindName() const;

  platform::Services& services_;
  const platform::MachineFacts& machine_;
  stored::Access access_;
  std::string toolPath_;
  ClockToolKind kind_ = ClockToolKind::G200clk;
  std::optional<ClockProfile> profile_;
  int defaultClock_ = kInitialDefaultClock;
  int maximumClock_ = kInitialMaximumClock;
  platform::Launcher::Watched batch_ = 0;
};

}  // namespace overclock
