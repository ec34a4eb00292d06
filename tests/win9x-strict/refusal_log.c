#include "refusal_log.h"

void recordRefusal(const char* what) {
  char path[MAX_PATH];
  const DWORD got = GetEnvironmentVariableA("CORVANE_STRICT_LOG", path, sizeof path);
  if (got == 0 || got >= sizeof path) return;
  char program[MAX_PATH] = "?";
  GetModuleFileNameA(NULL, program, sizeof program);
  const char* name = program;
  for (const char* c = program; *c; ++c)
    if (*c == '\\' || *c == '/') name = c + 1;
  char line[512];
  wsprintfA(line, "%s: %s\r\n", name, what);
  /* Several processes may write at once: each line in one append. */
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written;
  WriteFile(file, line, (DWORD)lstrlenA(line), &written, NULL);
  CloseHandle(file);
}
