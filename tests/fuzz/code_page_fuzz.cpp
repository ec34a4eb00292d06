// The text layer's conversions between UTF-8, code points and UTF-16 (what reaches the ANSI
// code page on Windows), and the error box's full stop, on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // Any bytes decode; what comes out is valid UTF-8 that decodes to the same code points.
  const std::u32string points = platform::utf8ToCodePoints(bytes);
  FUZZ_CHECK(points.size() <= bytes.size());
  const std::string clean = platform::codePointsToUtf8(points);
  FUZZ_CHECK(platform::utf8ToCodePoints(clean) == points);
  const bool valid = points.find(U'\uFFFD') == std::u32string::npos;
  if (valid) FUZZ_CHECK(clean == bytes);

  // The decoder yields Unicode scalar values only, so its text survives a trip through UTF-16.
  for (char32_t c : points) FUZZ_CHECK(c <= 0x10FFFF && !(c >= 0xD800 && c < 0xE000));
  FUZZ_CHECK(platform::utf16ToUtf8(platform::utf8ToUtf16(clean)) == clean);

  // The same bytes read as UTF-16 units, lone surrogates and all.
  std::u16string units;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  const std::string fromUnits = platform::utf16ToUtf8(units);
  FUZZ_CHECK(platform::codePointsToUtf8(platform::utf8ToCodePoints(fromUnits)) == fromUnits);

  // The error box's text: the message, and at most one "." more.
  const std::string shown = platform::withFullStop(bytes);
  FUZZ_CHECK(shown == bytes || shown == bytes + ".");
  FUZZ_CHECK(platform::format1(bytes, "x").size() <= bytes.size() + 1);
  return 0;
}
