#include "overclock/clock_report.h"

#include "platform/errors.h"
#include "text/catalogue.h"

namespace overclock {
namespace {

int digitAt(const std::string& line, std::size_t position) {
  const char c = line[position - 1];
  if (c >= '0' && c <= '9') return c - '0';
  // The line is raw bytes in the ANSI code page: show only what is plain ASCII.
  const bool printable = c >= ' ' && c < 0x7F;
  throw platform::UserError(
      platform::format1(text::tr(text::Id::ErrorNotANumber), printable ? std::string(1, c) : "?"));
}

}  // namespace

std::optional<int> clockFromReport(const std::vector<std::string>& rawLines) {
  if (rawLines.size() < kClockReportLine) return std::nullopt;
  const std::string& line = rawLines[kClockReportLine - 1];
  const std::size_t tenthsPosition = kClockReportColumn + 4;
  if (line.size() < tenthsPosition) return std::nullopt;

  const bool noHundreds = line[kClockReportColumn - 1] == ' ';
  const int hundreds = noHundreds ? 0 : digitAt(line, kClockReportColumn);
  const int tens = digitAt(line, kClockReportColumn + 1);
  int units = digitAt(line, kClockReportColumn + 2);
  if (digitAt(line, tenthsPosition) >= 6) ++units;
  return 100 * hundreds + 10 * tens + units;
}

}  // namespace overclock
