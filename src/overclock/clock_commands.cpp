#include "overclock/clock_commands.h"

#include "platform/errors.h"
#include "platform/text.h"
#include "text/catalogue.h"

namespace overclock {
namespace {

// The Mystclk rows as M and N in a grid that reads like a paper table: one line per ten MHz, one
// column per unit. P is 0 in every row. The rows are measured settings, not the result
// of a formula: several are not the nearest pair to their target, and 157/158, 200/201 and
// 214/215 share a row. Empty cells (kNo) lie outside 66..230.
struct Cell {
  unsigned char m, n;
};
constexpr Cell kNo{0, 0};

constexpr int kFirstDecade = 60;
constexpr Cell kMystclkGrid[][10] = {
    //        +0         +1         +2         +3         +4         +5         +6         +7         +8         +9
    /*  60 */ {kNo,       kNo,       kNo,       kNo,       kNo,       kNo,       {22, 105}, {24, 116}, {23, 113}, {21, 105}},
    /*  70 */ {{17, 87},  {23, 118}, {24, 125}, {19, 101}, {23, 123}, {20, 109}, {12, 68},  {15, 85},  {19, 108}, {22, 126}},
    /*  80 */ {{16, 94},  {19, 112}, {21, 125}, {19, 115}, {14, 87},  {15, 94},  {20, 125}, {12, 78},  {13, 85},  {19, 124}},
    /*  90 */ {{13, 87},  {16, 107}, {18, 121}, {9, 64},   {15, 104}, {18, 125}, {16, 113}, {17, 121}, {12, 88},  {10, 75}},
    /* 100 */ {{15, 111}, {15, 112}, {15, 113}, {14, 107}, {14, 108}, {14, 109}, {14, 110}, {14, 111}, {14, 112}, {4, 37}},
    /* 110 */ {{15, 122}, {3, 30},   {10, 85},  {9, 78},   {15, 126}, {8, 71},   {9, 80},   {11, 97},  {12, 106}, {12, 107}},
    /* 120 */ {{12, 108}, {12, 109}, {11, 101}, {11, 102}, {11, 103}, {10, 95},  {9, 87},   {7, 70},   {13, 124}, {13, 125}},
    /* 130 */ {{12, 117}, {12, 118}, {8, 82},   {6, 64},   {10, 102}, {6, 65},   {11, 113}, {6, 66},   {10, 105}, {6, 67}},
    /* 140 */ {{8, 87},   {12, 127}, {11, 118}, {11, 119}, {11, 120}, {7, 80},   {9, 101},  {10, 112}, {11, 123}, {9, 103}},
    /* 150 */ {{10, 114}, {10, 115}, {7, 84},   {9, 106},  {7, 85},   {10, 118}, {9, 108},  {10, 120}, {10, 120}, {9, 110}},
    /* 160 */ {{10, 122}, {7, 89},   {9, 112},  {7, 90},   {10, 125}, {10, 126}, {9, 115},  {8, 104},  {7, 93},   {9, 117}},
    /* 170 */ {{7, 94},   {9, 118},  {9, 119},  {9, 120},  {6, 84},   {8, 109},  {6, 85},   {7, 98},   {6, 86},   {9, 124}},
    /* 180 */ {{6, 87},   {7, 100},  {6, 88},   {8, 114},  {6, 89},   {8, 115},  {8, 116},  {8, 117},  {7, 104},  {4, 65}},
    /* 190 */ {{6, 92},   {8, 119},  {4, 66},   {7, 107},  {8, 121},  {7, 108},  {8, 122},  {7, 109},  {5, 82},   {8, 124}},
    /* 200 */ {{8, 125},  {8, 125},  {8, 126},  {5, 84},   {7, 113},  {5, 85},   {7, 114},  {6, 100},  {7, 115},  {4, 72}},
    /* 210 */ {{5, 87},   {7, 117},  {4, 73},   {7, 118},  {7, 119},  {7, 119},  {7, 120},  {5, 90},   {7, 121},  {6, 106}},
    /* 220 */ {{7, 122},  {6, 107},  {7, 123},  {6, 108},  {7, 124},  {6, 109},  {4, 78},   {6, 110},  {7, 126},  {7, 127}},
    /* 230 */ {{6, 112},  kNo,       kNo,       kNo,       kNo,       kNo,       kNo,       kNo,       kNo,       kNo},
};

bool inTables(int targetMhz) {
  return targetMhz >= kLowestTableClock && targetMhz <= kHighestTableClock;
}

}  // namespace

std::optional<SynthesizerSetting> mystclkRow(int targetMhz) {
  if (!inTables(targetMhz)) return std::nullopt;
  const int offset = targetMhz - kFirstDecade;
  const Cell cell = kMystclkGrid[offset / 10][offset % 10];
  return SynthesizerSetting{cell.m, cell.n, 0};
}

std::optional<std::string> clockArgument(ClockToolKind kind, int targetMhz) {
  if (!inTables(targetMhz)) return std::nullopt;
  if (kind == ClockToolKind::G200clk) return " /1 " + std::to_string(targetMhz + 100);
  const SynthesizerSetting row = *mystclkRow(targetMhz);
  return " /1 " + std::to_string(row.m) + " " + std::to_string(row.n) + " " +
         std::to_string(row.p);
}

std::optional<std::string> clockCommandLine(ClockToolKind kind, const std::string& toolPath,
                                            int targetMhz) {
  const auto argument = clockArgument(kind, targetMhz);
  if (!argument) return std::nullopt;
  return platform::quoteIfBlank(toolPath) + *argument;
}

std::string clockOutOfRangeMessage(int targetMhz) {
  std::string message = text::tr(text::Id::ErrorClockOutOfRange);
  for (int mhz : {targetMhz, kLowestTableClock, kHighestTableClock})
    message = platform::format1(message, std::to_string(mhz));
  return message;
}

}  // namespace overclock
