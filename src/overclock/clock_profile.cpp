#include "overclock/clock_profile.h"

namespace overclock {

const ClockProfileInfo& profileInfo(ClockProfile profile) {
  using stored::ClockLimit;
  static const ClockProfileInfo k89{
      ClockLimit::Default89, ClockLimit::Maximum89, "105-115MHz", {70, 230}, {135, 230}};
  static const ClockProfileInfo k66{
      ClockLimit::Default66, ClockLimit::Maximum66, "80-95MHz", {66, 200}, {66, 200}};
  return profile == ClockProfile::Mhz89 ? k89 : k66;
}

std::optional<ClockProfile> chooseClockProfile(long bitsPerPixel, const std::string& resolution) {
  switch (bitsPerPixel) {
    case 8:
    case 24:
      return ClockProfile::Mhz66;
    case 16:
      return ClockProfile::Mhz89;
    case 32:
      if (resolution == "640,480" || resolution == "800,600" || resolution == "1024,768")
        return ClockProfile::Mhz89;
      return ClockProfile::Mhz66;
    default:
      return std::nullopt;
  }
}

}  // namespace overclock
