// The demo machine's stand-in clock tool, run for real: it must take the command lines the page
// builds and write a report the page reads.
#include <windows.h>

#include <gtest/gtest.h>

#include "fakes.h"
#include "platform/win32/win32_seams.h"
#include "overclock/clock_commands.h"
#include "overclock/clock_report.h"

using overclock::ClockToolKind;

namespace {

// In `folder`, where Mystclk.com looks for its ini.
DWORD runAndWait(std::string commandLine, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process))
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
  files.writeRawLines(folder + "\\Mystclk.ini", {"PCIBIOS=1"});
  auto runAndWait = [&](const std::string& commandLine) { return ::runAndWait(commandLine, folder); };
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

// The real launcher with the stand-in: every run waited for with its exit code, a run still going
// keeps the machine's lock, and a second run meanwhile is refused or waits for it.
TEST(StandInClockTool, TheLauncherWaitsReadsTheExitCodeAndKeepsRunsApart) {
  using Status = platform::Launcher::ToolRun::Status;
  doubles::TempFolder temp;
  const std::string folder = temp.path();
  ASSERT_TRUE(CopyFileA((std::string(STANDIN_TOOL_DIR) + "\\G200clk.exe").c_str(),
                        temp.file("G200clk.exe").c_str(), FALSE));
  const std::string to120 = "\"" + temp.file("G200clk.exe") + "\" /1 220";
  platform::win32::Win32Launcher launcher;

  auto run = launcher.runClockTool(to120, folder, 5000, 20000);
  EXPECT_EQ(run.status, Status::Ended);
  EXPECT_EQ(run.exitCode, 0u);
  temp.write("exitcode.txt", "4");
  run = launcher.runClockTool(to120, folder, 5000, 20000);
  EXPECT_EQ(run.status, Status::Ended);
  EXPECT_EQ(run.exitCode, 4u);
  DeleteFileA(temp.file("exitcode.txt").c_str());

  temp.write("hold.txt", "");
  EXPECT_EQ(launcher.runClockTool(to120, folder, 5000, 100).status, Status::StillRunning);
  EXPECT_EQ(launcher.runClockTool(to120, folder, 100, 20000).status, Status::Busy);
  // A batch file waits for the lock too: it has not run while the tool still holds it.
  temp.write("batch.bat", "@echo off\r\necho done> \"" + temp.file("report.txt") + "\"\r\n");
  const auto batch = launcher.runClockBatch(temp.file("batch.bat"), folder, 30000);
  ASSERT_NE(batch, 0u);
  EXPECT_FALSE(temp.exists("report.txt"));
  DeleteFileA(temp.file("hold.txt").c_str());
  EXPECT_TRUE(launcher.waitFor(batch, 30000));
  EXPECT_TRUE(temp.exists("report.txt"));
  run = launcher.runClockTool(to120, folder, 20000, 20000);
  EXPECT_EQ(run.status, Status::Ended);

  run = launcher.runClockTool("Z:\\no\\such\\tool.exe /1 220", folder, 5000, 5000);
  EXPECT_EQ(run.status, Status::NotStarted);
  EXPECT_NE(run.error, 0u);
  const std::string log = temp.read("clocktool.log");
  EXPECT_EQ(log.find("OVERLAP"), std::string::npos) << log;
  EXPECT_FALSE(launcher.waitFor(0, 10));
}
