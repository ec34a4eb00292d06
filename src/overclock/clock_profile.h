#pragma once
// The two clock profiles, named after their default clocks, and the display modes they serve.
#include <optional>
#include <string>

#include "stored/clock_settings.h"

namespace overclock {

enum class ClockProfile { Mhz89, Mhz66 };

// The values the options window allows, ends included; every one has a row in the command
// tables.
struct ClockRange {
  int low;
  int high;
  int clamp(int mhz) const { return mhz < low ? low : mhz > high ? high : mhz; }
};

struct ClockProfileInfo {
  stored::ClockLimit defaultLimit;  // where the profile's default clock is stored
  stored::ClockLimit maximumLimit;  // and its highest clock
  const char* recommendedRange;  // "105-115MHz" / "80-95MHz"
  ClockRange defaultRange;       // 70-230 / 66-200
  ClockRange maximumRange;       // 135-230 / 66-200
};
const ClockProfileInfo& profileInfo(ClockProfile profile);

// 8 and 24 bits per pixel: 66; 16: 89; 32: 89 up to "1024,768" (the resolution text exactly as
// the display settings hold it), 66 above. Any other depth, 0 (unknown) included: none.
std::optional<ClockProfile> chooseClockProfile(long bitsPerPixel, const std::string& resolution);

// The clock limits before any profile applies.
constexpr int kInitialDefaultClock = 89;
constexpr int kInitialMaximumClock = 135;

// The options window's four values, as its spins hold them.
struct ClockLimits {
  int default89 = 89;
  int maximum89 = 135;
  int maximum66 = 110;
  int default66 = 66;
};

}  // namespace overclock
