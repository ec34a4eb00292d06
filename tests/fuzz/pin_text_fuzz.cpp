// PIN texts: the dump PROGBIOS leaves (any bytes, loaded as lines) and the generator on any
// choices the wizard or pin-text can hand it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "pins/pin_text.h"
#include "platform/file_limits.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size <= platform::kMaxTextFileBytes) {
    const std::string dump(reinterpret_cast<const char*>(data), size);
    for (const auto& line : platform::splitLines(dump))
      FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
  }

  FuzzedDataProvider in(data, size);
  pins::PinChoices choices;
  choices.product = in.ConsumeIntegral<int>();
  choices.saleForm = in.ConsumeIntegral<int>();
  choices.country = in.ConsumeIntegral<int>();
  choices.modelCode = in.ConsumeRandomLengthString(64);
  choices.serial = in.ConsumeRandomLengthString(256);
  pins::Speeds& s = choices.speeds;
  for (int* speed : {&s.ramdacUpper, &s.ramdac8, &s.ramdac16, &s.ramdac24, &s.ramdac32,
                     &s.clock16, &s.clock824})
    *speed = in.ConsumeIntegralInRange<int>(-100000, 100000);
  platform::Date date;
  date.day = in.ConsumeIntegral<int>();
  date.month = in.ConsumeIntegral<int>();
  date.year = in.ConsumeIntegral<int>();

  const pins::PinText text = pins::buildPinText(choices, date);
  FUZZ_CHECK(text.size() == pins::kPinTextLines);
  FUZZ_CHECK(text[13] == "  7: " + choices.serial);
  FUZZ_CHECK(text[14] == "  8: " + choices.modelCode);
  const std::string bits = pins::entry6Bits(choices);
  FUZZ_CHECK(bits.size() == 19 && bits.substr(15) == "0000");
  return 0;
}
