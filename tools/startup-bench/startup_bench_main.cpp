// startup-bench: starts two or three programs in turn, many times each, and reports how long
// each takes from process creation until it first waits for input, and its peak working set: the
// medians and the ratios of the first program to each floor. Runs under Wine or Windows; it
// reports and never passes or fails.
//
//   startup-bench [--runs N] [--settle MS] PROGRAM FLOOR [SECOND_FLOOR]
//
// It never ships, so it may use job objects (Windows 2000 and later) to find the end of what a
// program starts.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0500
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Sample {
  double startMs = 0;
  double peakKb = 0;
};

struct Program {
  std::string path;
  std::string label;
  std::vector<Sample> samples;
};

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

int activeProcesses(HANDLE job) {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
  if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                 nullptr))
    return -1;
  return static_cast<int>(info.ActiveProcesses);
}

// One start: the clock runs from just before CreateProcess until WaitForInputIdle returns. The
// peak working set is read once the program and whatever it started (a batch file) have settled,
// so that work it puts off until it is idle still counts.
bool measureOnce(Program& program, int settleMs, Sample& sample) {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "\"" + program.path + "\"";
  std::vector<char> writable(line.begin(), line.end());
  writable.push_back('\0');
  const std::string folder = folderOf(program.path);

  const double before = nowMs();
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "startup-bench: cannot start %s (error %lu)\n", program.path.c_str(),
                 GetLastError());
    if (job) CloseHandle(job);
    return false;
  }
  if (job) AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);
  const DWORD idle = WaitForInputIdle(process.hProcess, 60000);
  const double after = nowMs();
  bool ok = idle == 0;
  if (!ok) std::fprintf(stderr, "startup-bench: %s never waited for input\n", program.path.c_str());

  // Let the programs it started finish, then give it a moment more.
  for (int waited = 0; job && waited < 15000 && activeProcesses(job) > 1; waited += 20) Sleep(20);
  Sleep(static_cast<DWORD>(settleMs));
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) ok = false;

  if (job) TerminateJobObject(job, 0);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (job) CloseHandle(job);

  sample.startMs = after - before;
  sample.peakKb = double(memory.PeakWorkingSetSize) / 1024.0;
  return ok;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t at = static_cast<std::size_t>(p * double(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

std::vector<double> column(const Program& program, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& s : program.samples) values.push_back(s.*field);
  return values;
}

void report(const Program& program) {
  const auto start = column(program, &Sample::startMs);
  const auto peak = column(program, &Sample::peakKb);
  std::printf("%-8s %4zu runs  start-up median %7.1f ms (quartiles %6.1f .. %6.1f)  "
              "peak working set median %7.0f KB\n",
              program.label.c_str(), program.samples.size(), median(start),
              percentile(start, 0.25), percentile(start, 0.75), median(peak));
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 30;
  int settleMs = 300;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--settle") == 0 && i + 1 < argc) {
      settleMs = std::atoi(argv[++i]);
    } else if (argv[i][0] == '-') {
      paths.clear();
      break;
    } else {
      paths.push_back(argv[i]);
    }
  }
  if (paths.size() < 2 || paths.size() > 3 || runs < 1 || settleMs < 0) {
    std::fprintf(stderr,
                 "usage: startup-bench [--runs N] [--settle MS] PROGRAM FLOOR [SECOND_FLOOR]\n");
    return 2;
  }
  std::vector<Program> programs = {{paths[0], "program", {}}, {paths[1], "floor", {}}};
  if (paths.size() == 3) programs.push_back({paths[2], "floor 2", {}});
  const std::size_t n = programs.size();

  // One start of each first, unmeasured: it brings the files into the cache.
  for (Program& p : programs) {
    Sample ignored;
    if (!measureOnce(p, settleMs, ignored)) return 1;
  }
  // In turn, and the order turned every round, so that a change in the machine's load falls on
  // all alike.
  for (int run = 0; run < runs; ++run) {
    for (std::size_t turn = 0; turn < n; ++turn) {
      Program& p = programs[(static_cast<std::size_t>(run) + turn) % n];
      Sample sample;
      if (measureOnce(p, settleMs, sample)) p.samples.push_back(sample);
    }
    std::fprintf(stderr, "\rrun %d of %d", run + 1, runs);
  }
  std::fprintf(stderr, "\n");

  for (const Program& p : programs) std::printf("%-8s %s\n", (p.label + ":").c_str(), p.path.c_str());
  for (const Program& p : programs) report(p);
  auto ratios = [&](const Program& a, const Program& b) {
    const double startRatio =
        median(column(a, &Sample::startMs)) / median(column(b, &Sample::startMs));
    const double peakRatio = median(column(a, &Sample::peakKb)) / median(column(b, &Sample::peakKb));
    // Other load on the machine only ever adds time: the faster runs show the programs' own cost.
    const double quickRatio = percentile(column(a, &Sample::startMs), 0.25) /
                              percentile(column(b, &Sample::startMs), 0.25);
    std::printf("%s / %s: start-up ratio %.2f (lower quartiles %.2f), peak working set ratio "
                "%.2f (medians)\n",
                a.label.c_str(), b.label.c_str(), startRatio, quickRatio, peakRatio);
  };
  ratios(programs[0], programs[1]);
  if (n == 3) {
    ratios(programs[0], programs[2]);
    ratios(programs[1], programs[2]);
  }
  return 0;
}
