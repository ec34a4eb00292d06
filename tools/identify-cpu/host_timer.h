#pragma once
// The millisecond timer of the machine a tool runs on: timeGetTime on Windows, as Corvane itself
// uses it; the monotonic clock elsewhere. Both wrap around after 2^32 ms.
#include <cstdint>

#include "platform/seams.h"

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#else
#include <time.h>
#endif

namespace identify {

class HostMilliTimer : public platform::MilliTimer {
 public:
  std::uint32_t now() override {
#ifdef _WIN32
    return timeGetTime();
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(std::uint64_t(now.tv_sec) * 1000 +
                                      std::uint64_t(now.tv_nsec) / 1000000);
#endif
  }
};

}  // namespace identify
