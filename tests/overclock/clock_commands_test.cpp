// The command tables, row by row: Mystclk against what the synthesizer makes, G200clk its rule.
#include <gtest/gtest.h>

#include <sstream>

#include "overclock/clock_commands.h"

using overclock::ClockToolKind;

namespace {

// What the chip's synthesizer makes of a Mystclk argument " /1 M N P": the reference crystal
// times (N+1) over (M+1)(P+1). Worked out here, from the argument the tool is given.
double synthesizedMhz(const std::string& argument) {
  std::istringstream words(argument);
  std::string register_;
  int m = -1, n = -1, p = -1;
  words >> register_ >> m >> n >> p;
  EXPECT_EQ(register_, "/1") << argument;
  EXPECT_TRUE(words && words.eof()) << argument;
  return 14.31818 * (n + 1) / ((m + 1) * (p + 1));
}

}  // namespace

TEST(ClockTables, EveryMystclkRowMakesItsTargetWithin1Point2MHzAndG200clkNamesIt) {
  for (int target = 66; target <= 230; ++target) {
    SCOPED_TRACE(target);
    const auto argument = overclock::clockArgument(ClockToolKind::Mystclk, target);
    ASSERT_TRUE(argument);
    EXPECT_NEAR(synthesizedMhz(*argument), target, 1.2) << *argument;
    EXPECT_EQ(overclock::clockArgument(ClockToolKind::G200clk, target),
              " /1 " + std::to_string(target + 100));
  }
}

TEST(ClockTables, TargetsWithoutARowGiveNothing) {
  for (int target : {-1, 65, 231, 32767})
    for (auto kind : {ClockToolKind::G200clk, ClockToolKind::Mystclk})
      EXPECT_FALSE(overclock::clockCommandLine(kind, "G200clk.exe", target)) << target;
}
