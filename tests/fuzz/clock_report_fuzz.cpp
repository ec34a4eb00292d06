// clk.txt as the clock tool leaves it, any bytes at all: the page reads a clock or says why not.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "overclock/clock_report.h"
#include "platform/errors.h"
#include "platform/file_limits.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > platform::kMaxTextFileBytes) return 0;  // the file seam refuses these unread
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const auto clock = overclock::clockFromReport(platform::splitLines(bytes));
    // Three digits and a round-up: nothing outside 0 to 1000 can come out.
    if (clock) FUZZ_CHECK(*clock >= 0 && *clock <= 1000);
  } catch (const platform::UserError& e) {
    FUZZ_CHECK(std::string(e.what()).find("は数値ではありません") != std::string::npos);
  }
  return 0;
}
