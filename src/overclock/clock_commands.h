#pragma once
// Target clock to clock-tool command line: the two tables every clock change goes through.
#include <optional>
#include <string>

namespace overclock {

// Which clock tool `ToolPath` names; it picks the table a command line is built from.
enum class ClockToolKind { G200clk, Mystclk };

// Both tables have one row for every whole MHz from here to there, and none outside.
constexpr int kLowestTableClock = 66;
constexpr int kHighestTableClock = 230;

// The synthesizer settings of one Mystclk row: output = 14.31818 MHz x (N+1) / ((M+1)(P+1)).
struct SynthesizerSetting {
  int m = 0;
  int n = 0;
  int p = 0;
};

// The Mystclk row of a target, or nothing when the table has no row for it.
std::optional<SynthesizerSetting> mystclkRow(int targetMhz);

// The tool's argument for a target (it begins with a space), or nothing outside the tables.
std::optional<std::string> clockArgument(ClockToolKind kind, int targetMhz);

// The whole command line: the tool's path, in double quotes when it has a blank, then the
// argument. Nothing when the target has no row.
std::optional<std::string> clockCommandLine(ClockToolKind kind, const std::string& toolPath,
                                            int targetMhz);

// The message shown when a target has no row, naming the range the tables cover.
std::string clockOutOfRangeMessage(int targetMhz);

}  // namespace overclock
