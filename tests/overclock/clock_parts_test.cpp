// The pure parts of the clock page: tool kind, chipset line, clock report, clock profile.
#include <gtest/gtest.h>

#include "overclock/clock_profile.h"
#include "overclock/clock_report.h"
#include "overclock/clock_tool.h"
#include "platform/errors.h"

using namespace overclock;

TEST(ClockTool, TheKindComesFromTheFileNameAfterTheLastBackslashOrColon) {
  EXPECT_EQ(classifyToolPath("A:g200clk.exe"), ClockToolKind::G200clk);
  EXPECT_EQ(classifyToolPath("C:\\OC\\G200CLK.EXE"), ClockToolKind::G200clk);
  EXPECT_EQ(classifyToolPath("C:\\G200clk.exe\\Mystclk.com"), ClockToolKind::Mystclk);
  EXPECT_EQ(classifyToolPath("G200clk.exe.bak"), ClockToolKind::Mystclk);
  EXPECT_EQ(classifyToolPath(""), ClockToolKind::Mystclk);
}

namespace {

// A report whose 14th line holds `clock` at positions 32 to 37.
std::vector<std::string> report(const std::string& clock, std::size_t lines = 16) {
  std::vector<std::string> out(lines, "filler");
  if (lines >= 14) out[13] = std::string(31, '.') + clock;
  return out;
}

std::string conversionError(const std::vector<std::string>& lines) {
  try {
    clockFromReport(lines);
  } catch (const platform::UserError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(ClockReport, TenthsRoundAtSixAndBlankHundredsCountAsNone) {
  EXPECT_EQ(clockFromReport(report(" 89.76")), 90);
  EXPECT_EQ(clockFromReport(report(" 89.50")), 89);
  EXPECT_EQ(clockFromReport(report("123.45 MHz")), 123);
  EXPECT_EQ(clockFromReport(report("099.60")), 100);
  EXPECT_EQ(clockFromReport(report(" 89x9")), 90);  // 35 and 37 are not read
  EXPECT_EQ(clockFromReport(report("230.9", 14)), 231);
}

TEST(ClockReport, AnUnfinishedReportGivesNothingAndAStrayCharacterIsAnError) {
  EXPECT_FALSE(clockFromReport(report(" 89.76", 13)));
  EXPECT_FALSE(clockFromReport(report(" 89.", 20)));
  EXPECT_FALSE(clockFromReport({}));
  EXPECT_EQ(conversionError(report(" 8a.76")), "'a' は数値ではありません");
  EXPECT_EQ(conversionError(report("x89.76")), "'x' は数値ではありません");
  EXPECT_EQ(conversionError(report(" 89. 6")), "' ' は数値ではありません");
  EXPECT_EQ(conversionError(report(" \x82\x58.76")), "'?' は数値ではありません");
  EXPECT_EQ(conversionError(report(" 8\x7F.76")), "'?' は数値ではありません");
}

TEST(ClockProfiles, DepthAndResolutionTextChooseTheProfile) {
  EXPECT_EQ(chooseClockProfile(24, "640,480"), ClockProfile::Mhz66);
  for (const char* small : {"640,480", "800,600", "1024,768"})
    EXPECT_EQ(chooseClockProfile(32, small), ClockProfile::Mhz89) << small;
  for (const char* other : {"1280,1024", "Unknown", "1024x768", "1024,768 ", ""})
    EXPECT_EQ(chooseClockProfile(32, other), ClockProfile::Mhz66) << other;
  EXPECT_FALSE(chooseClockProfile(0, "1024,768"));
}
