// The command tables, row by row, against the Mystclk table as printed and the G200clk rule.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "overclock/clock_commands.h"

using overclock::ClockToolKind;

namespace {

// The Mystclk table as printed: "M N" per cell, tens down, units across.
const char* const kPrintedMystclkTable =
    "| 60 |  |  |  |  |  |  | 22 105 | 24 116 | 23 113 | 21 105 |\n"
    "| 70 | 17 87 | 23 118 | 24 125 | 19 101 | 23 123 | 20 109 | 12 68 | 15 85 | 19 108 | 22 126 |\n"
    "| 80 | 16 94 | 19 112 | 21 125 | 19 115 | 14 87 | 15 94 | 20 125 | 12 78 | 13 85 | 19 124 |\n"
    "| 90 | 13 87 | 16 107 | 18 121 | 9 64 | 15 104 | 18 125 | 16 113 | 17 121 | 12 88 | 10 75 |\n"
    "| 100 | 15 111 | 15 112 | 15 113 | 14 107 | 14 108 | 14 109 | 14 110 | 14 111 | 14 112 | 4 37 |\n"
    "| 110 | 15 122 | 3 30 | 10 85 | 9 78 | 15 126 | 8 71 | 9 80 | 11 97 | 12 106 | 12 107 |\n"
    "| 120 | 12 108 | 12 109 | 11 101 | 11 102 | 11 103 | 10 95 | 9 87 | 7 70 | 13 124 | 13 125 |\n"
    "| 130 | 12 117 | 12 118 | 8 82 | 6 64 | 10 102 | 6 65 | 11 113 | 6 66 | 10 105 | 6 67 |\n"
    "| 140 | 8 87 | 12 127 | 11 118 | 11 119 | 11 120 | 7 80 | 9 101 | 10 112 | 11 123 | 9 103 |\n"
    "| 150 | 10 114 | 10 115 | 7 84 | 9 106 | 7 85 | 10 118 | 9 108 | 10 120 | 10 120 | 9 110 |\n"
    "| 160 | 10 122 | 7 89 | 9 112 | 7 90 | 10 125 | 10 126 | 9 115 | 8 104 | 7 93 | 9 117 |\n"
    "| 170 | 7 94 | 9 118 | 9 119 | 9 120 | 6 84 | 8 109 | 6 85 | 7 98 | 6 86 | 9 124 |\n"
    "| 180 | 6 87 | 7 100 | 6 88 | 8 114 | 6 89 | 8 115 | 8 116 | 8 117 | 7 104 | 4 65 |\n"
    "| 190 | 6 92 | 8 119 | 4 66 | 7 107 | 8 121 | 7 108 | 8 122 | 7 109 | 5 82 | 8 124 |\n"
    "| 200 | 8 125 | 8 125 | 8 126 | 5 84 | 7 113 | 5 85 | 7 114 | 6 100 | 7 115 | 4 72 |\n"
    "| 210 | 5 87 | 7 117 | 4 73 | 7 118 | 7 119 | 7 119 | 7 120 | 5 90 | 7 121 | 6 106 |\n"
    "| 220 | 7 122 | 6 107 | 7 123 | 6 108 | 7 124 | 6 109 | 4 78 | 6 110 | 7 126 | 7 127 |\n"
    "| 230 | 6 112 |  |  |  |  |  |  |  |  |  |\n";

std::map<int, std::string> printedMystclkArguments() {
  std::map<int, std::string> rows;
  std::istringstream table(kPrintedMystclkTable);
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream cells(line.substr(1));
    std::string cell;
    std::getline(cells, cell, '|');
    const int tens = std::stoi(cell);
    for (int unit = 0; std::getline(cells, cell, '|') && unit < 10; ++unit) {
      std::istringstream mn(cell);
      int m = 0, n = 0;
      if (mn >> m >> n) rows[tens + unit] = " /1 " + std::to_string(m) + " " + std::to_string(n) + " 0";
    }
  }
  return rows;
}

}  // namespace

TEST(ClockTables, EveryRowOfBothTablesMatchesThePrintedOnes) {
  const auto printed = printedMystclkArguments();
  ASSERT_EQ(printed.size(), 165u);
  EXPECT_EQ(printed.begin()->first, 66);
  EXPECT_EQ(printed.rbegin()->first, 230);
  for (const auto& [target, argument] : printed) {
    SCOPED_TRACE(target);
    EXPECT_EQ(overclock::clockArgument(ClockToolKind::Mystclk, target), argument);
    EXPECT_EQ(overclock::clockArgument(ClockToolKind::G200clk, target),
              " /1 " + std::to_string(target + 100));
  }
}

TEST(ClockTables, TargetsWithoutARowGiveNothing) {
  for (int target : {-1, 65, 231, 32767})
    for (auto kind : {ClockToolKind::G200clk, ClockToolKind::Mystclk})
      EXPECT_FALSE(overclock::clockCommandLine(kind, "G200clk.exe", target)) << target;
}
