/* comdlg32.dll as Windows 95/98 would answer: a stand-in the strict mode puts beside the program
   under test (loaded first through WINEDLLOVERRIDES="comdlg32=n,b"). It refuses what Windows 98's
   comdlg32 refuses, writes the refusal down, and passes everything else on to the system's own
   comdlg32, so that the real dialog opens.

   CORVANE_COMDLG_FAIL=<number> makes it fail every dialog with that error code instead, as a
   comdlg32 short of memory would: the tests see what the program does then. */
#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

#include "refusal_log.h"

/* The only size Windows 95/98 and NT 4 accept: up to lpTemplateName, without the Windows 2000
   fields pvReserved, dwReserved and FlagsEx. */
#define WINDOWS_98_OPENFILENAME_SIZE 76

static DWORD lastError;

static HMODULE systemComdlg(void) {
  static HMODULE module;
  if (!module) {
    char path[MAX_PATH];
    const UINT got = GetSystemDirectoryA(path, MAX_PATH - 16);
    if (got == 0 || got >= MAX_PATH - 16) return NULL;
    lstrcatA(path, "\\comdlg32.dll");
    module = LoadLibraryA(path);
  }
  return module;
}

static FARPROC systemFunction(const char* name) {
  HMODULE module = systemComdlg();
  return module ? GetProcAddress(module, name) : NULL;
}

/* FALSE with lastError set when Windows 98 would refuse the call or a failure was asked for. */
static BOOL acceptable(const OPENFILENAMEA* dialog, const char* function) {
  if (!dialog || dialog->lStructSize != WINDOWS_98_OPENFILENAME_SIZE) {
    char what[160];
    wsprintfA(what, "%s with lStructSize %lu (Windows 95/98 accept only %d: CDERR_STRUCTSIZE)",
              function, dialog ? (unsigned long)dialog->lStructSize : 0UL,
              WINDOWS_98_OPENFILENAME_SIZE);
    recordRefusal(what);
    lastError = CDERR_STRUCTSIZE;
    return FALSE;
  }
  /* Flags of Windows 2000 and later: Windows 95/98 do not know them. */
  const DWORD newer = dialog->Flags & (OFN_ENABLEINCLUDENOTIFY | OFN_DONTADDTORECENT |
                                       OFN_FORCESHOWHIDDEN);
  if (newer) {
    char what[160];
    wsprintfA(what, "%s with Flags 0x%lX (0x%lX are Windows 2000's)", function,
              (unsigned long)dialog->Flags, (unsigned long)newer);
    recordRefusal(what);
  }
  char forced[16];
  if (GetEnvironmentVariableA("CORVANE_COMDLG_FAIL", forced, sizeof forced) > 0) {
    DWORD code = 0;
    for (const char* c = forced; *c >= '0' && *c <= '9'; ++c) code = code * 10 + (DWORD)(*c - '0');
    lastError = code;
    return FALSE;
  }
  return TRUE;
}

typedef BOOL(WINAPI* FileDialog)(OPENFILENAMEA*);

static BOOL passOn(const char* function, OPENFILENAMEA* dialog) {
  lastError = 0;
  if (!acceptable(dialog, function)) return FALSE;
  FileDialog real = (FileDialog)(void (*)(void))systemFunction(function);
  if (!real) {
    lastError = CDERR_INITIALIZATION;
    return FALSE;
  }
  return real(dialog);
}

BOOL WINAPI StandinGetOpenFileNameA(OPENFILENAMEA* dialog) {
  return passOn("GetOpenFileNameA", dialog);
}

BOOL WINAPI StandinGetSaveFileNameA(OPENFILENAMEA* dialog) {
  return passOn("GetSaveFileNameA", dialog);
}

DWORD WINAPI StandinCommDlgExtendedError(void) {
  if (lastError) return lastError;
  typedef DWORD(WINAPI * ErrorFunction)(void);
  ErrorFunction real = (ErrorFunction)(void (*)(void))systemFunction("CommDlgExtendedError");
  return real ? real() : 0;
}
