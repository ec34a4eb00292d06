#pragma once
// Which clock tool is in use, and the chipset line it keeps in Mystclk.ini.
#include <string>
#include <vector>

#include "overclock/clock_commands.h"

namespace overclock {

// The file-name part of a path: the text after the last "\" or ":".
std::string fileNamePart(const std::string& path);

// G200clk when the file name is "G200clk.exe" in any letter case; any other name is Mystclk.
ClockToolKind classifyToolPath(const std::string& toolPath);

// The name and version note the page shows for a tool kind.
struct ToolDescription {
  const char* name;
  const char* version;
};
ToolDescription describeTool(ClockToolKind kind);

// The chipset choice's rows, and the ini line each stands for.
constexpr int kIntelChipsetRow = 0;
constexpr int kOtherChipsetRow = 1;
extern const char* const kIntelChipsetLine;  // "PCIBIOS=1"
extern const char* const kOtherChipsetLine;  // "PCIBIOS=0"

// The row line 1 of the ini selects: Intel only for an exact "PCIBIOS=1".
int chipsetRowOf(const std::vector<std::string>& iniLines);

// The ini lines with line 1 set for a row; an empty list gets the chipset line as its only line.
std::vector<std::string> withChipsetRow(std::vector<std::string> iniLines, int row);

}  // namespace overclock
