#pragma once
// The processor clock from two time-stamp counter readings around a busy-wait of at least 501 ms
// on the millisecond timer, and the two pictures it is shown with.
#include <cstdint>
#include <optional>
#include <string>

#include "cpu/pentium_mmx.h"
#include "platform/seams.h"

namespace cpu {

extern const char* const kNoClockText;  // "---.----MHz"

struct ClockMeasurement {
  TTimeStamp64 start, end;      // counter readings
  std::uint32_t t0 = 0, t1 = 0;  // millisecond-timer readings
  // The clock in whole MHz ("000" picture read back) and its picture text; nothing when the
  // result does not fit a whole-MHz integer (a counter that ran backwards, a timer that stood).
  std::optional<int> wholeMHz;
  std::string wholeText;
  std::string text;  // "350.4990MHz", or "---.----MHz" when wholeMHz is empty
};

// Busy-waits on `timer` without yielding: nothing else runs on this thread meanwhile.
ClockMeasurement MeasureCpuClock(TPentiumMMX& probe, platform::MilliTimer& timer);

// ticks / ms / 1000 in whole MHz, halves rounded away from zero; nothing when ms is 0 or the
// result exceeds the range of an int.
std::optional<int> wholeMHzFor(std::uint64_t ticks, std::uint32_t ms);
// A whole number with at least three digits: 67 gives "067".
std::string picture000(std::uint64_t value);
// ticks / ms / 1000 with at least three integer digits and four decimals, halves rounded away
// from zero. Only for results that wholeMHzFor accepts.
std::string picture000_0000(std::uint64_t ticks, std::uint32_t ms);

}  // namespace cpu
