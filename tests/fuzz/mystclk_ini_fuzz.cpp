// Mystclk.ini, any bytes: split into lines, its chipset read from line 1, and a chipset pick
// written back must leave every other line as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "overclock/clock_tool.h"
#include "platform/file_limits.h"
#include "platform/text.h"

namespace {

std::string asFile(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > platform::kMaxTextFileBytes) return 0;  // the file seam refuses these unread
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = platform::splitLines(bytes);
  for (const auto& line : lines) FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
  // Written with CR LF and read again, the file gives the same lines.
  FUZZ_CHECK(platform::splitLines(asFile(lines)) == lines);

  const int row = overclock::chipsetRowOf(lines);
  FUZZ_CHECK(row == overclock::kIntelChipsetRow || row == overclock::kOtherChipsetRow);
  FUZZ_CHECK((row == overclock::kIntelChipsetRow) == (!lines.empty() && lines[0] == "PCIBIOS=1"));

  for (int pick : {overclock::kIntelChipsetRow, overclock::kOtherChipsetRow}) {
    const auto written = overclock::withChipsetRow(lines, pick);
    FUZZ_CHECK(written.size() == (lines.empty() ? 1 : lines.size()));
    FUZZ_CHECK(overclock::chipsetRowOf(written) == pick);
    for (std::size_t i = 1; i < lines.size(); ++i) FUZZ_CHECK(written[i] == lines[i]);
    FUZZ_CHECK(platform::splitLines(asFile(written)) == written);
  }
  return 0;
}
