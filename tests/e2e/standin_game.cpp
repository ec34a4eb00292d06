// A stand-in game for the end-to-end tests of the command line. It appends to game.log beside
// itself a line "started|<its command line>|<its current folder>", runs until a file named
// "quit" appears beside it (a minute at most, so that a forgotten one ends), and appends
// "ended" before it exits with code 0.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

char g_folder[MAX_PATH];  // with its trailing backslash

void beside(const char* name, char (&path)[MAX_PATH]) {
  std::snprintf(path, MAX_PATH, "%s%s", g_folder, name);
}

void logLine(const char* text) {
  char path[MAX_PATH];
  beside("game.log", path);
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s\r\n", text);
    std::fclose(f);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  char* name = std::strrchr(self, '\\');
  if (!name) return 1;
  name[1] = '\0';
  std::strcpy(g_folder, self);

  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  char line[3 * MAX_PATH];
  std::snprintf(line, sizeof line, "started|%s|%s", GetCommandLineA(), current);
  logLine(line);

  char quit[MAX_PATH];
  beside("quit", quit);
  for (int waited = 0; waited < 60000; waited += 50) {
    if (GetFileAttributesA(quit) != INVALID_FILE_ATTRIBUTES) break;
    Sleep(50);
  }
  logLine("ended");
  return 0;
}
