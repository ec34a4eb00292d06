// Which clocks may run by which way: one table for the window, the start-up entry and the
// command line alike.
#include <gtest/gtest.h>

#include "fakes.h"
#include "overclock/clock_service.h"
#include "stored/clock_settings.h"

namespace {

const char* const kSettings = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";

struct Row {
  const char* bits;        // the display's colour depth: "16" is the 89 profile, "8" the 66
  int storedDefault;       // "OverClockDEF89"/"DEF66" (0: none stored)
  int confirmed;           // kept with OK (0: never)
  const char* keptWith;    // the tool kind it was kept with
  const char* tool;        // the tool in use
  int requested;
  bool window, startup, commandLine;  // runs by each way
  const char* adapter = "";  // the adapter start-up learnt (nullptr: not known); "" kept it
};

// Either profile's limits are 89..135 until values are stored (the maximum here: 230 for the 89
// profile, none for the 66 one).
const Row kRows[] = {
    // Nothing confirmed: the factory default and below need no countdown; above it only the
    // window may try, and the countdown guards it.
    {"16", 0, 0, "", "G200clk.exe", 89, true, true, true},
    {"16", 0, 0, "", "G200clk.exe", 90, true, false, false},
    {"16", 0, 0, "", "G200clk.exe", 135, true, false, false},
    // Outside the limits nothing runs by any way.
    {"16", 0, 0, "", "G200clk.exe", 136, false, false, false},
    {"16", 0, 0, "", "G200clk.exe", 88, false, false, false},
    // Confirmed at 120: up to it by every way, no further.
    {"16", 0, 120, "G200clk.exe", "G200clk.exe", 120, true, true, true},
    {"16", 0, 120, "G200clk.exe", "G200clk.exe", 121, true, false, false},
    // Kept with the other tool: it says nothing about this one.
    {"16", 0, 120, "Mystclk.com", "G200clk.exe", 120, true, false, false},
    {"16", 0, 120, "G200clk.exe", "D:\\OC\\MYSTCLK.COM", 100, true, false, false},
    {"16", 0, 120, "Mystclk.com", "D:\\OC\\MYSTCLK.COM", 100, true, true, true},
    // A default raised in the options window is no confirmation: 230 runs only once confirmed.
    {"16", 230, 0, "", "G200clk.exe", 230, true, false, false},
    {"16", 230, 229, "G200clk.exe", "G200clk.exe", 230, true, false, false},
    {"16", 230, 230, "G200clk.exe", "G200clk.exe", 230, true, true, true},
    // A default lowered below the factory one needs none.
    {"16", 70, 0, "", "G200clk.exe", 70, true, true, true},
    // The 66 profile: its own factory default, 66.
    {"8", 66, 0, "", "G200clk.exe", 66, true, true, true},
    {"8", 66, 0, "", "G200clk.exe", 67, true, false, false},
    {"8", 66, 100, "G200clk.exe", "G200clk.exe", 100, true, true, true},
    {"8", 66, 100, "G200clk.exe", "G200clk.exe", 136, false, false, false},
    // With nothing stored its page still starts from 89, which is above 66: not without OK.
    {"8", 0, 0, "", "G200clk.exe", 89, true, false, false},
    // No profile (15 bits): the initial limits, and 89 is the factory default.
    {"15", 0, 0, "", "G200clk.exe", 89, true, true, true},
    {"15", 0, 0, "", "G200clk.exe", 100, true, false, false},
    // Kept on another board, or on a board start-up did not learn: it counts for nothing.
    {"16", 0, 120, "G200clk.exe", "G200clk.exe", 120, true, false, false, "Matrox G400"},
    {"16", 0, 120, "G200clk.exe", "G200clk.exe", 120, true, false, false, nullptr},
};

}  // namespace

TEST(ClockPolicy, EveryWayRunsOnlyWhatItMay) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.bits) + " bits, default " + std::to_string(row.storedDefault) +
                 ", confirmed " + std::to_string(row.confirmed) + " with " + row.keptWith +
                 ", tool " + row.tool + ", requested " + std::to_string(row.requested));
    doubles::World world;
    world.programFolder = "C:\\Corvane";
    platform::MachineFacts machine;
    machine.bitsPerPixel.learn(row.bits);
    machine.resolution.learn("800,600");
    if (row.adapter) machine.adapter.learn(row.adapter);
    const std::string tool = row.tool;
    world.registry.setString(kSettings, "Mystclk",
                             tool.find(':') == std::string::npos ? "C:\\Corvane\\" + tool : tool);
    if (row.storedDefault != 0) {
      world.registry.setInteger(kSettings, "OverClockDEF89", row.storedDefault);
      world.registry.setInteger(kSettings, "OverClockDEF66", row.storedDefault);
      world.registry.setInteger(kSettings, "OverClockMAX89", 230);
    }
    if (row.confirmed != 0)
      stored::ConfirmedClock(world.registry).recordKept(row.confirmed, row.keptWith, "");
    platform::Services services = world.services();
    overclock::ClockService clock(services, machine, stored::Access::ExistingReadOnly);
    clock.loadTool();
    clock.loadProfile();
    using overclock::ClockRoute;
    EXPECT_EQ(!clock.refusal(row.requested, ClockRoute::Window), row.window);
    EXPECT_EQ(!clock.refusal(row.requested, ClockRoute::StartupEntry), row.startup);
    EXPECT_EQ(!clock.refusal(row.requested, ClockRoute::CommandLine), row.commandLine);
    // Restoring is no request: it runs whatever the default is, refused or not.
    EXPECT_EQ(clock.defaultClock(), row.storedDefault != 0 ? row.storedDefault : 89);
  }
}
