// pin-text's command line: a Windows command line (UTF-16) split into words as the C runtime
// splits it, and any words (the input split at zero bytes) read as options: refused with a
// message, or choices the wizard could have made, on a day the calendar has.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "code_page.h"
#include "fuzz_check.h"
#include "options.h"

namespace {

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysIn(int month, int year) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// A word as a command line carries it so that the C runtime gives it back unchanged.
std::u16string quoted(const std::u16string& word) {
  std::u16string out = u"\"";
  std::size_t slashes = 0;
  for (char16_t c : word) {
    if (c == u'\\') {
      ++slashes;
      continue;
    }
    out.append(c == u'"' ? 2 * slashes + 1 : slashes, u'\\');
    slashes = 0;
    out.push_back(c);
  }
  out.append(2 * slashes, u'\\');
  return out + u"\"";
}

void checkCommandLine(const std::uint8_t* data, std::size_t size) {
  std::u16string line;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    line.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  const std::vector<std::u16string> words = pintext::splitCommandLine(line);
  FUZZ_CHECK(!words.empty());
  std::u16string again = u"pin-text.exe";
  for (std::size_t i = 1; i < words.size(); ++i) again += u" " + quoted(words[i]);
  std::vector<std::u16string> expected = words;
  expected[0] = u"pin-text.exe";
  FUZZ_CHECK(pintext::splitCommandLine(again) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] == 'W') {
    checkCommandLine(data + 1, size - 1);
    return 0;
  }
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) words.emplace_back();
    else words.back().push_back(static_cast<char>(data[i]));
  }
  pintext::Request request;
  try {
    request = pintext::parseArguments(words, {6, 12, 2026});
  } catch (const std::invalid_argument& e) {
    FUZZ_CHECK(e.what()[0] != '\0');
    return 0;
  }
  if (request.help) return 0;
  const pins::PinChoices& c = request.choices;
  FUZZ_CHECK(c.product >= 0 && c.product < static_cast<int>(pins::products().size()));
  FUZZ_CHECK(c.saleForm >= 0 && c.saleForm < static_cast<int>(pins::saleForms().size()));
  FUZZ_CHECK(c.country >= 0 && c.country < static_cast<int>(pins::countries().size()));
  bool known = false;
  for (const auto& code : pins::products()[static_cast<std::size_t>(c.product)].modelCodes)
    known = known || code == c.modelCode;
  FUZZ_CHECK(known);
  const pins::Speeds& s = c.speeds;
  for (int v : {s.ramdacUpper, s.ramdac8, s.ramdac16, s.ramdac24, s.ramdac32})
    FUZZ_CHECK(v >= pins::kRamdacMin && v <= pins::kRamdacMax);
  FUZZ_CHECK(s.clock16 >= pins::kClock16Min && s.clock16 <= pins::kClock16Max);
  FUZZ_CHECK(s.clock824 >= pins::kClock824Min && s.clock824 <= pins::kClock824Max);
  const platform::Date& d = request.date;
  FUZZ_CHECK(d.month >= 1 && d.month <= 12 && d.year >= 1000 && d.year <= 9999);
  FUZZ_CHECK(d.day >= 1 && d.day <= daysIn(d.month, d.year));

  std::string text;
  for (const auto& line : pins::buildPinText(c, d)) text += line + "\r\n";
  if (const auto bytes = pintext::toCodePage932(text)) FUZZ_CHECK(bytes->size() >= 41 * 2);
  return 0;
}
