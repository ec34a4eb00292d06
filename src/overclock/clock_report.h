#pragma once
// The chip's current clock as the clock tool reports it in clk.txt.
#include <optional>
#include <string>
#include <vector>

namespace overclock {

// The report's line that carries the clock, and where on it (1-based byte positions): hundreds
// (or a blank), tens, units, a separator, tenths, one more character.
constexpr std::size_t kClockReportLine = 14;
constexpr std::size_t kClockReportColumn = 32;

// The clock in whole MHz from the report's lines, taken as the file's own bytes. A tenths digit
// of 6 or more rounds up; 5 and below are dropped. Nothing when the report is not complete (too
// few lines, or the clock's line too short: the tool may still be writing it). Throws
// platform::UserError "'%s' は数値ではありません" when a digit is expected and something else is
// there.
std::optional<int> clockFromReport(const std::vector<std::string>& rawLines);

}  // namespace overclock
