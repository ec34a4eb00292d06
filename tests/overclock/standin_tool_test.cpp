// The demo machine's stand-in clock tool, run for real: it must take the command lines the page
// builds and write a report the page reads.
#include <windows.h>

#include <gtest/gtest.h>

#include "fakes.h"
#include "overclock/clock_commands.h"
#include "overclock/clock_report.h"

using overclock::ClockToolKind;

namespace {

DWORD runAndWait(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return 1000;
  // Generous: only a hung tool runs into it.
  const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
  DWORD code = 1001;
  if (ended) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace

TEST(StandInClockTool, TakesTheTablesCommandLinesAndReportsTheClock) {
  doubles::TempFolder temp;
  const std::string folder = temp.file("OC Tools");  // a blank: the path is quoted
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string built = STANDIN_TOOL_DIR;
  for (const char* name : {"G200clk.exe", "Mystclk.com"})
    ASSERT_TRUE(CopyFileA((built + "\\" + name).c_str(), (folder + "\\" + name).c_str(), FALSE));
  const std::string g200clk = folder + "\\G200clk.exe";
  const std::string mystclk = folder + "\\Mystclk.com";
  doubles::PlainTextFiles files;
  auto reportedClock = [&] {
    EXPECT_EQ(runAndWait("\"" + g200clk + "\" /r"), 0u);
    return overclock::clockFromReport(files.readRawLines(folder + "\\clk.txt"));
  };

  const auto to120 = *overclock::clockCommandLine(ClockToolKind::G200clk, g200clk, 120);
  EXPECT_EQ(runAndWait(to120), 0u);
  EXPECT_EQ(reportedClock(), 120);

  const auto to89 = *overclock::clockCommandLine(ClockToolKind::Mystclk, mystclk, 89);
  EXPECT_EQ(runAndWait(to89), 0u);
  EXPECT_EQ(reportedClock(), 89);  // 89.49 MHz

  EXPECT_EQ(runAndWait("\"" + mystclk + "\" /1 220"), 2u);  // a G200clk line: refused
  EXPECT_EQ(reportedClock(), 89);

  const auto log = files.readLines(folder + "\\clocktool.log");
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0], to120);
  EXPECT_EQ(log[2], to89);
}
