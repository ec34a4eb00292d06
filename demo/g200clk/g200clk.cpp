// A stand-in clock tool for the demo machine. Installed as G200clk.exe (and as Mystclk.com), it
// takes the clock tool's command lines, logs each one, keeps the "chip's" clock in a state file
// and writes the clock report clk.txt on request. Every file lives beside the program:
//   clocktool.log   every command line received, one per line, as it arrived
//   chipclock.txt   the chip's current clock in MHz, e.g. "120.00"
//   clk.txt         the report: the clock at positions 32 to 37 of line 14
// and, for trying out what a user's machine may do, files a test puts there:
//   exitcode.txt    a number: the tool ends with it at once, the clock unchanged (a failing tool)
//   hold.txt        while it is there the tool waits before it acts (a slow or hung tool), at
//                   most a minute
// Two copies running at once (which Corvane must never let happen) write "OVERLAP" into the
// log. As Mystclk.com it needs Mystclk.ini in its current folder, as the real one does, and ends
// with 3 without it.
// Command lines:
//   G200clk.exe /1 T       sets T - 100 MHz
//   Mystclk.com /1 M N P   sets 14.31818 MHz x (N+1) / ((M+1) x (P+1))
//   either /r              writes clk.txt
// Exit code 0 when done, 2 for a command line it does not understand (the clock stays).
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Plain C strings and <cstdio> only: the C++ library would pull in imports that Windows 98
// lacks. Paths on this system never exceed MAX_PATH.
namespace {

const double kPowerOnClock = 89.49;  // what the chip runs at until a tool sets it
const double kCrystalMhz = 14.31818;

char g_folder[MAX_PATH];    // the program's folder, with its trailing backslash
const char* g_ownName = "";  // the program's file name, inside g_self
char g_self[MAX_PATH];

bool findSelf() {
  const DWORD length = GetModuleFileNameA(nullptr, g_self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const char* name = g_self;
  for (const char* c = g_self; *c; ++c)
    if (*c == '\\' || *c == '/' || *c == ':') name = c + 1;
  g_ownName = name;
  const std::size_t folderLength = static_cast<std::size_t>(name - g_self);
  std::memcpy(g_folder, g_self, folderLength);
  g_folder[folderLength] = '\0';
  return true;
}

// A file beside the program; false when the path would not fit.
bool besideSelf(const char* fileName, char (&path)[MAX_PATH]) {
  const int n = std::snprintf(path, MAX_PATH, "%s%s", g_folder, fileName);
  return n > 0 && n < MAX_PATH;
}

// A whole decimal number within [low, high], nothing else.
bool parseNumber(const char* text, long low, long high, long& value) {
  if (!text || !*text) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text, &end, 10);
  return errno == 0 && *end == '\0' && value >= low && value <= high;
}

void logCommandLine() {
  char path[MAX_PATH];
  if (!besideSelf("clocktool.log", path)) return;
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s\r\n", GetCommandLineA());
    std::fclose(f);
  }
}

double readClock() {
  double mhz = kPowerOnClock;
  char path[MAX_PATH];
  if (!besideSelf("chipclock.txt", path)) return mhz;
  if (FILE* f = std::fopen(path, "rb")) {
    if (std::fscanf(f, "%lf", &mhz) != 1 || !(mhz > 0 && mhz < 1000)) mhz = kPowerOnClock;
    std::fclose(f);
  }
  return mhz;
}

// Written aside first, then swapped in, so a reader never sees half a file.
bool replaceFile(const char* fileName, const char* content) {
  char path[MAX_PATH];
  char aside[MAX_PATH];
  if (!besideSelf(fileName, path) || std::snprintf(aside, MAX_PATH, "%s.new", path) >= MAX_PATH)
    return false;
  FILE* f = std::fopen(aside, "wb");
  if (!f) return false;
  const std::size_t size = std::strlen(content);
  const bool written = std::fwrite(content, 1, size, f) == size;
  if (std::fclose(f) != 0 || !written) {
    DeleteFileA(aside);
    return false;
  }
  DeleteFileA(path);
  return MoveFileA(aside, path) != 0;
}

bool writeClock(double mhz) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f\r\n", mhz);
  return replaceFile("chipclock.txt", text);
}

bool writeReport(double mhz) {
  // Line 14: 31 characters of label, then the clock as "hhh.hh" (a blank for no hundreds).
  char report[1024];
  std::snprintf(report, sizeof report,
                "Clock report (demo stand-in tool)\r\n"
                "\r\n"
                "  Chip  . . . . . . . . . . . :  MGA-G200\r\n"
                "  Reference crystal . . . . . :  14.31818 MHz\r\n"
                "\r\n"
                "  Synthesizer . . . . . . . . :  system PLL\r\n"
                "\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                "%-31.31s%6.2f MHz\r\n"
                "\r\n"
                "End of report\r\n",
                "  Graphics engine clock . . . :", mhz);
  return replaceFile("clk.txt", report);
}

// A name of this program's own, held for as long as this copy runs: a second copy finds it taken.
HANDLE g_running = nullptr;

void noticeOverlap() {
  g_running = CreateMutexA(nullptr, TRUE, "Corvane demo clock tool running");
  if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  char log[MAX_PATH];
  if (!besideSelf("clocktool.log", log)) return;
  if (FILE* f = std::fopen(log, "ab")) {
    std::fputs("OVERLAP\r\n", f);
    std::fclose(f);
  }
}

bool besideSelfExists(const char* fileName) {
  char path[MAX_PATH];
  return besideSelf(fileName, path) && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

void waitWhileHeld() {
  for (int waited = 0; besideSelfExists("hold.txt") && waited < 60000; waited += 50) Sleep(50);
}

// The exit code a test asked for, or -1.
long askedExitCode() {
  char path[MAX_PATH];
  if (!besideSelf("exitcode.txt", path)) return -1;
  long code = -1;
  if (FILE* f = std::fopen(path, "rb")) {
    if (std::fscanf(f, "%ld", &code) != 1) code = -1;
    std::fclose(f);
  }
  return code;
}

int run(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
  if (!findSelf()) return 1;
  logCommandLine();
  noticeOverlap();
  waitWhileHeld();
  const int code = run(argc, argv);
  if (g_running) CloseHandle(g_running);
  return code;
}

namespace {

int run(int argc, char** argv) {
  const long asked = askedExitCode();
  if (asked >= 0) return static_cast<int>(asked);

  if (argc == 2 && (lstrcmpiA(argv[1], "/r") == 0 || lstrcmpiA(argv[1], "-r") == 0))
    return writeReport(readClock()) ? 0 : 1;

  if (argc < 2 || std::strcmp(argv[1], "/1") != 0) return 2;
  double mhz = 0;
  if (lstrcmpiA(g_ownName, "Mystclk.com") == 0) {
    if (GetFileAttributesA("Mystclk.ini") == INVALID_FILE_ATTRIBUTES) return 3;
    long m = 0, n = 0, p = 0;
    if (argc != 5 || !parseNumber(argv[2], 0, 31, m) || !parseNumber(argv[3], 0, 127, n) ||
        !parseNumber(argv[4], 0, 7, p))
      return 2;
    mhz = kCrystalMhz * (n + 1) / ((m + 1) * (p + 1));
  } else {
    long target = 0;
    if (argc != 3 || !parseNumber(argv[2], 101, 599, target)) return 2;
    mhz = target - 100;
  }
  return writeClock(mhz) ? 0 : 1;
}

}  // namespace
