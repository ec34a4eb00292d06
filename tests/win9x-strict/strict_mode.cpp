#include "strict_mode.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#ifndef CORVANE_STRICT_PROBE
#error "the strict mode needs the probe's path"
#endif

namespace strict {
namespace {

std::string g_log;
long g_read = 0;  // how much of the log earlier calls returned

}  // namespace

void start() {
  if (!g_log.empty()) return;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  char name[MAX_PATH];
  std::snprintf(name, sizeof name, "%scorvane-strict-%lu-%lu.log", temp, GetCurrentProcessId(),
                GetTickCount());
  DeleteFileA(name);
  g_log = name;
  SetEnvironmentVariableA("CORVANE_STRICT_LOG", name);
  // Loaded here, it watches this process's own calls (the binding's, the seams'); the hook takes
  // it into the programs this process starts. Neither is ever undone.
  HMODULE probe = LoadLibraryA(CORVANE_STRICT_PROBE);
  if (!probe) throw std::runtime_error("cannot load " + std::string(CORVANE_STRICT_PROBE));
  auto hook = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void (*)()>(GetProcAddress(probe, "strictProbeHook")));
  if (!hook || !SetWindowsHookExA(WH_CBT, hook, probe, 0))
    throw std::runtime_error("cannot hook the strict probe into other programs");
}

std::string newRefusals() {
  if (g_log.empty()) return {};
  std::FILE* f = std::fopen(g_log.c_str(), "rb");
  if (!f) return {};
  std::string lines;
  if (std::fseek(f, g_read, SEEK_SET) == 0) {
    char chunk[512];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) lines.append(chunk, got);
  }
  std::fclose(f);
  // Only whole lines: a program may be writing one right now.
  const size_t end = lines.rfind('\n');
  if (end == std::string::npos) return {};
  lines.resize(end + 1);
  g_read += static_cast<long>(lines.size());
  return lines;
}

void placeStandins(const std::string& folder) {
  const std::string target = folder + "\\comdlg32.dll";
  if (!CopyFileA(CORVANE_COMDLG_STANDIN, target.c_str(), FALSE))
    throw std::runtime_error("cannot copy the stand-in comdlg32 to " + folder);
}

}  // namespace strict
