// The clock is computed in exact integer arithmetic: the rounding of a half is then decided on
// the true quotient, not on a binary approximation of it, and no floating-point formatting is
// needed.
#include "cpu/clock_measurement.h"

#include <limits>

namespace cpu {

const char* const kNoClockText = "---.----MHz";

namespace {
constexpr std::int32_t kWaitMs = 500;  // the wait ends once more than this has passed
}

std::optional<int> wholeMHzFor(std::uint64_t ticks, std::uint32_t ms) {
  if (ms == 0) return std::nullopt;
  const std::uint64_t ticksPerMHz = std::uint64_t(ms) * 1000;  // below 2^42
  std::uint64_t whole = ticks / ticksPerMHz;
  const std::uint64_t rest = ticks % ticksPerMHz;
  if (rest * 2 >= ticksPerMHz) ++whole;
  if (whole > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) return std::nullopt;
  return static_cast<int>(whole);
}

std::string picture000(std::uint64_t value) {
  std::string digits = std::to_string(value);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return digits;
}

std::string picture000_0000(std::uint64_t ticks, std::uint32_t ms) {
  // In units of 0.0001 MHz the clock is ticks * 10 / ms; split so nothing overflows.
  const std::uint64_t quotient = ticks / ms;
  const std::uint64_t rest = ticks % ms;
  std::uint64_t units = quotient * 10 + (rest * 10) / ms;
  if (((rest * 10) % ms) * 2 >= ms) ++units;
  std::string fraction = std::to_string(units % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  return picture000(units / 10000) + "." + fraction;
}

ClockMeasurement MeasureCpuClock(TPentiumMMX& probe, platform::MilliTimer& timer) {
  ClockMeasurement m;
  m.start = probe.ReadTimeStamp();
  m.t0 = timer.now();
  // Signed difference: the timer may wrap around 2^32 during the wait.
  while (static_cast<std::int32_t>(timer.now() - m.t0) <= kWaitMs) {
  }
  m.end = probe.ReadTimeStamp();
  m.t1 = timer.now();

  const std::uint32_t ms = TPentiumMMX::Interval32(m.t1, m.t0);
  const TTimeStamp64 elapsed = TPentiumMMX::Interval64(m.end, m.start);
  const std::uint64_t ticks = std::uint64_t(elapsed.High) << 32 | elapsed.Low;

  m.wholeMHz = wholeMHzFor(ticks, ms);
  if (!m.wholeMHz) {
    m.text = kNoClockText;
    return m;
  }
  m.wholeText = picture000(static_cast<std::uint64_t>(*m.wholeMHz));
  m.text = picture000_0000(ticks, ms) + "MHz";
  return m;
}

}  // namespace cpu
