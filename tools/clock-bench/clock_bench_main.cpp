// clock-bench: how long the system page's clock measurement takes (at least 501 ms by design) and
// how close its result comes to the time-stamp counter rate the kernel reports.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cpu/clock_measurement.h"
#include "cpu/pentium_mmx.h"
#include "cpu/x86_processor.h"
#include "host_timer.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace {

// Wall time from a clock that is not the one the measurement polls.
double wallSeconds() {
#ifdef _WIN32
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) / double(frequency.QuadPart);
#else
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
#endif
}

// Counts how often the measurement polls the timer.
class CountingTimer : public platform::MilliTimer {
 public:
  std::uint32_t now() override {
    ++polls;
    return host.now();
  }
  identify::HostMilliTimer host;
  unsigned long polls = 0;
};

// The kernel's own figure, where Linux publishes it (also reachable under Wine as drive Z:).
double kernelTscMhzFromSysfs() {
  const char* const paths[] = {"/sys/devices/system/cpu/cpu0/tsc_freq_khz",
                               "Z:\\sys\\devices\\system\\cpu\\cpu0\\tsc_freq_khz"};
  for (const char* path : paths) {
    if (std::FILE* f = std::fopen(path, "r")) {
      double khz = 0;
      const int got = std::fscanf(f, "%lf", &khz);
      std::fclose(f);
      if (got == 1 && khz > 0) return khz / 1000.0;
    }
  }
  return 0;
}

double parseMhz(const std::string& text) {
  // Decimal point only, whatever the locale says.
  double whole = 0, fraction = 0, scale = 1;
  bool point = false, any = false;
  for (char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      any = true;
      if (point) {
        scale /= 10;
        fraction += (c - '0') * scale;
      } else {
        whole = whole * 10 + (c - '0');
      }
    } else {
      return 0;
    }
  }
  return any ? whole + fraction : 0;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  double referenceMhz = 0;
  const char* referenceSource = "none";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--kernel-mhz") == 0 && i + 1 < argc) {
      referenceMhz = parseMhz(argv[++i]);
      referenceSource = "given (--kernel-mhz)";
    } else {
      std::fprintf(stderr, "usage: clock-bench [--runs N] [--kernel-mhz MHZ]\n");
      return 2;
    }
  }
  if (runs < 1 || runs > 1000) runs = 5;
  if (referenceMhz <= 0) {
    referenceMhz = kernelTscMhzFromSysfs();
    if (referenceMhz > 0) referenceSource = "tsc_freq_khz";
  }

  cpu::X86Processor processor;
  cpu::TPentiumMMX probe(processor);
  if (!probe.RDTSCsupport()) {
    std::printf("this processor has no time-stamp counter: nothing to measure\n");
    return 1;
  }
  std::printf("reference TSC rate: %.3f MHz (%s)\n", referenceMhz, referenceSource);
  std::printf("%4s %12s %10s %8s %16s %10s\n", "run", "wall ms", "timer ms", "polls",
              "shown", "vs kernel");

  double wallSum = 0, wallMin = 1e9, wallMax = 0, worstDeviation = 0;
  for (int run = 1; run <= runs; ++run) {
    CountingTimer timer;
    const double before = wallSeconds();
    const cpu::ClockMeasurement m = cpu::MeasureCpuClock(probe, timer);
    const double wallMs = (wallSeconds() - before) * 1000.0;
    wallSum += wallMs;
    if (wallMs < wallMin) wallMin = wallMs;
    if (wallMs > wallMax) wallMax = wallMs;

    const cpu::TTimeStamp64 ticks = cpu::TPentiumMMX::Interval64(m.end, m.start);
    const double tickCount = double(ticks.High) * 4294967296.0 + double(ticks.Low);
    const std::uint32_t timerMs = cpu::TPentiumMMX::Interval32(m.t1, m.t0);
    const double mhz = timerMs ? tickCount / timerMs / 1000.0 : 0;
    char deviation[32] = "-";
    if (referenceMhz > 0) {
      const double percent = (mhz - referenceMhz) / referenceMhz * 100.0;
      if (percent > worstDeviation || -percent > worstDeviation)
        worstDeviation = percent < 0 ? -percent : percent;
      std::snprintf(deviation, sizeof deviation, "%+.3f%%", percent);
    }
    std::printf("%4d %12.3f %10u %8lu %16s %10s\n", run, wallMs, timerMs, timer.polls,
                m.text.c_str(), deviation);
  }
  std::printf("wall time: mean %.3f ms, min %.3f ms, max %.3f ms\n"
              "(the wait ends once more than 500 ms have passed on the millisecond timer)\n",
              wallSum / runs, wallMin, wallMax);
  if (referenceMhz > 0) std::printf("largest deviation from the kernel's rate: %.3f%%\n",
                                    worstDeviation);
  return 0;
}
