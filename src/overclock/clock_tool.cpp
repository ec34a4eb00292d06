#include "overclock/clock_tool.h"

#include "platform/text.h"
#include "text/catalogue.h"

namespace overclock {

const char* const kIntelChipsetLine = "PCIBIOS=1";
const char* const kOtherChipsetLine = "PCIBIOS=0";

std::string fileNamePart(const std::string& path) {
  const auto separator = path.find_last_of("\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

ClockToolKind classifyToolPath(const std::string& toolPath) {
  // File names on this system ignore letter case; only ASCII letters can differ here.
  return platform::asciiLowered(fileNamePart(toolPath)) == "g200clk.exe" ? ClockToolKind::G200clk
                                                                        : ClockToolKind::Mystclk;
}

ToolDescription describeTool(ClockToolKind kind) {
  if (kind == ClockToolKind::G200clk)
    return {"Matrox MGA-G200 Optimizer", text::tr(text::Id::ClockToolG200clkVersion)};
  return {"Matrox Mystclk.com", text::tr(text::Id::ClockToolMystclkVersion)};
}

int chipsetRowOf(const std::vector<std::string>& iniLines) {
  return !iniLines.empty() && iniLines.front() == kIntelChipsetLine ? kIntelChipsetRow
                                                                     : kOtherChipsetRow;
}

std::vector<std::string> withChipsetRow(std::vector<std::string> iniLines, int row) {
  const std::string line = row == kIntelChipsetRow ? kIntelChipsetLine : kOtherChipsetLine;
  if (iniLines.empty()) iniLines.push_back(line);
  else iniLines.front() = line;
  return iniLines;
}

}  // namespace overclock
