/* The Windows 9x strict mode's probe: loaded into a program under test, it puts itself between
   the program's own code and a few functions of USER32 and KERNEL32 (the program's import
   table), and writes down every argument Windows 95/98 would refuse or mistake:

   - SetTimer ids above 0x7FFF (Windows 9x's USER keeps them in 16 bits);
   - MsgWaitForMultipleObjects(Ex) wake masks with bits above 0xFF (QS_RAWINPUT and later:
     Windows 98's QS_ALLINPUT is 0xFF);
   - TTM_ADDTOOL and the other tooltip messages that carry a TOOLINFO, with a cbSize other than
     the first version's 40 bytes (comctl32 before 6.0 refuses the 48-byte one; Windows 95's 4.00
     knows only 40). Such a tool is refused as Windows 98 refuses it;
   - messages of the common controls newer than comctl32 4.72 (Windows 98's), which Windows 95/98
     do not know;
   - CreateProcess with CREATE_NO_WINDOW or another NT-only flag while the system says it is
     Windows 95/98.

   It does its work only where CORVANE_STRICT_LOG is set. Tests load it into their own process
   (LoadLibrary) or, for another program, through a global WH_CBT hook (strictProbeHook): Windows
   loads the hook's library into a program at its first window. */
#include <windows.h>
#include <commctrl.h>

#include "refusal_log.h"

#define WINDOWS_98_WAKE_BITS 0xFFu
#define WINDOWS_9X_LARGEST_TIMER_ID 0x7FFFu
#define FIRST_TOOLINFO_SIZE 40u

typedef UINT_PTR(WINAPI* SetTimerFunction)(HWND, UINT_PTR, UINT, TIMERPROC);
typedef DWORD(WINAPI* MsgWaitFunction)(DWORD, const HANDLE*, BOOL, DWORD, DWORD);
typedef DWORD(WINAPI* MsgWaitExFunction)(DWORD, const HANDLE*, DWORD, DWORD, DWORD);
typedef LRESULT(WINAPI* SendMessageFunction)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL(WINAPI* CreateProcessFunction)(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES,
                                            LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCSTR,
                                            LPSTARTUPINFOA, LPPROCESS_INFORMATION);

static SetTimerFunction realSetTimer;
static MsgWaitFunction realMsgWait;
static MsgWaitExFunction realMsgWaitEx;
static SendMessageFunction realSendMessageA;
static SendMessageFunction realSendMessageW;
static CreateProcessFunction realCreateProcessA;

static UINT_PTR WINAPI strictSetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  /* Without a window Windows chooses the id itself. */
  if (window && id > WINDOWS_9X_LARGEST_TIMER_ID) {
    char what[128];
    wsprintfA(what, "SetTimer with id 0x%lX (Windows 95/98 keep 16 bits; at most 0x7FFF)",
              (unsigned long)id);
    recordRefusal(what);
  }
  return realSetTimer(window, id, elapse, proc);
}

static void checkWakeMask(const char* function, DWORD mask) {
  if (mask & ~WINDOWS_98_WAKE_BITS) {
    char what[128];
    wsprintfA(what, "%s with wake mask 0x%lX (Windows 98 knows no bit above 0xFF)", function,
              (unsigned long)mask);
    recordRefusal(what);
  }
}

static DWORD WINAPI strictMsgWait(DWORD count, const HANDLE* handles, BOOL all, DWORD ms,
                                  DWORD mask) {
  checkWakeMask("MsgWaitForMultipleObjects", mask);
  return realMsgWait(count, handles, all, ms, mask);
}

static DWORD WINAPI strictMsgWaitEx(DWORD count, const HANDLE* handles, DWORD ms, DWORD mask,
                                    DWORD flags) {
  checkWakeMask("MsgWaitForMultipleObjectsEx", mask);
  return realMsgWaitEx(count, handles, ms, mask, flags);
}

/* The tooltip messages whose lParam is a TOOLINFO (A and W). */
static const char* toolInfoMessage(UINT message) {
  switch (message) {
    case TTM_ADDTOOLA: return "TTM_ADDTOOLA";
    case TTM_ADDTOOLW: return "TTM_ADDTOOLW";
    case TTM_DELTOOLA: return "TTM_DELTOOLA";
    case TTM_DELTOOLW: return "TTM_DELTOOLW";
    case TTM_NEWTOOLRECTA: return "TTM_NEWTOOLRECTA";
    case TTM_NEWTOOLRECTW: return "TTM_NEWTOOLRECTW";
    case TTM_GETTOOLINFOA: return "TTM_GETTOOLINFOA";
    case TTM_GETTOOLINFOW: return "TTM_GETTOOLINFOW";
    case TTM_SETTOOLINFOA: return "TTM_SETTOOLINFOA";
    case TTM_SETTOOLINFOW: return "TTM_SETTOOLINFOW";
    case TTM_GETTEXTA: return "TTM_GETTEXTA";
    case TTM_GETTEXTW: return "TTM_GETTEXTW";
    case TTM_UPDATETIPTEXTA: return "TTM_UPDATETIPTEXTA";
    case TTM_UPDATETIPTEXTW: return "TTM_UPDATETIPTEXTW";
    case TTM_ENUMTOOLSA: return "TTM_ENUMTOOLSA";
    case TTM_ENUMTOOLSW: return "TTM_ENUMTOOLSW";
    case TTM_GETCURRENTTOOLA: return "TTM_GETCURRENTTOOLA";
    case TTM_GETCURRENTTOOLW: return "TTM_GETCURRENTTOOLW";
    default: return NULL;
  }
}

static BOOL isTooltipWindow(HWND window) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, TOOLTIPS_CLASSA) == 0;
}

/* FALSE when Windows 95/98's comctl32 would refuse the message. */
static BOOL toolInfoAccepted(HWND window, UINT message, LPARAM lParam) {
  const char* name = toolInfoMessage(message);
  if (!name || !lParam || !isTooltipWindow(window)) return TRUE;
  /* TTM_GETCURRENTTOOL may pass no structure at all (then it only answers whether there is one). */
  const UINT size = ((const TTTOOLINFOA*)lParam)->cbSize;
  if (size == FIRST_TOOLINFO_SIZE) return TRUE;
  char what[160];
  wsprintfA(what, "%s with cbSize %u (comctl32 4.x accepts %u, TTTOOLINFOA_V1_SIZE)", name, size,
            FIRST_TOOLINFO_SIZE);
  recordRefusal(what);
  return FALSE;
}

/* Messages of the common controls newer than comctl32 4.72 (Windows 98's): a comctl32 of Windows
   95/98 does not know them and answers nothing. Those of comctl32 4.70 and 4.71 (Internet Explorer
   3 and 4) are let through: Windows 98 has them, and the program carries on without them on a
   Windows 95 that lacks them. */
static const char* newerThanWindows98(HWND window, UINT message) {
  if (message >= CCM_FIRST && message < CCM_FIRST + 0x100) {
    switch (message) {
      case CCM_SETVERSION: return "CCM_SETVERSION (comctl32 5.80)";
      case CCM_GETVERSION: return "CCM_GETVERSION (comctl32 5.80)";
      case CCM_FIRST + 0xB: return "CCM_SETWINDOWTHEME (comctl32 6.0)";
      case CCM_FIRST + 0xC: return "CCM_DPISCALE (comctl32 6.0)";
      default: return NULL;
    }
  }
  if (message < WM_USER || message >= WM_USER + 0x200) return NULL;
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) {
    switch (message) {
      case TTM_GETBUBBLESIZE: return "TTM_GETBUBBLESIZE (comctl32 5.0)";
      case TTM_ADJUSTRECT: return "TTM_ADJUSTRECT (comctl32 5.0)";
      case TTM_SETTITLEA: return "TTM_SETTITLEA (comctl32 5.80)";
      case TTM_SETTITLEW: return "TTM_SETTITLEW (comctl32 5.80)";
      case WM_USER + 34: return "TTM_POPUP (comctl32 5.80)";
      case WM_USER + 35: return "TTM_GETTITLE (comctl32 6.0)";
      default: return NULL;
    }
  }
  if (lstrcmpiA(name, UPDOWN_CLASSA) == 0) {
    switch (message) {
      case UDM_SETPOS32: return "UDM_SETPOS32 (comctl32 5.80)";
      case UDM_GETPOS32: return "UDM_GETPOS32 (comctl32 5.80)";
      default: return NULL;
    }
  }
  if (lstrcmpiA(name, PROGRESS_CLASSA) == 0 && message >= WM_USER + 10 && message <= WM_USER + 17 &&
      message != WM_USER + 11 && message != WM_USER + 12)
    return "a progress bar message of comctl32 6.0 (PBM_SETMARQUEE, PBM_GETSTEP, PBM_SETSTATE, ...)";
  if (lstrcmpiA(name, STATUSCLASSNAMEA) == 0 && message == WM_USER + 20)
    return "SB_GETICON (comctl32 6.0)";
  return NULL;
}

static void checkMessage(HWND window, UINT message) {
  const char* newer = newerThanWindows98(window, message);
  if (!newer) return;
  char what[160];
  wsprintfA(what, "%s, which Windows 95/98's comctl32 does not know", newer);
  recordRefusal(what);
}

static LRESULT WINAPI strictSendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  checkMessage(window, message);
  if (!toolInfoAccepted(window, message, lParam)) return 0;
  return realSendMessageA(window, message, wParam, lParam);
}

static LRESULT WINAPI strictSendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  checkMessage(window, message);
  if (!toolInfoAccepted(window, message, lParam)) return 0;
  return realSendMessageW(window, message, wParam, lParam);
}

static BOOL onWindows9x(void) { return (GetVersion() & 0x80000000u) != 0; }

/* Flags of CreateProcess that only the NT family knows. */
#define NT_ONLY_CREATION_FLAGS \
  (CREATE_NO_WINDOW | CREATE_SEPARATE_WOW_VDM | CREATE_UNICODE_ENVIRONMENT | \
   CREATE_BREAKAWAY_FROM_JOB | CREATE_PRESERVE_CODE_AUTHZ_LEVEL)

static BOOL WINAPI strictCreateProcessA(LPCSTR application, LPSTR commandLine,
                                        LPSECURITY_ATTRIBUTES process,
                                        LPSECURITY_ATTRIBUTES thread, BOOL inherit, DWORD flags,
                                        LPVOID environment, LPCSTR folder,
                                        LPSTARTUPINFOA startup, LPPROCESS_INFORMATION info) {
  if (onWindows9x() && (flags & NT_ONLY_CREATION_FLAGS)) {
    char what[160];
    wsprintfA(what, "CreateProcessA with flags 0x%lX (0x%lX only on the NT family)",
              (unsigned long)flags, (unsigned long)(flags & NT_ONLY_CREATION_FLAGS));
    recordRefusal(what);
  }
  return realCreateProcessA(application, commandLine, process, thread, inherit, flags,
                            environment, folder, startup, info);
}

struct Replacement {
  const char* library;
  const char* function;
  void* strict;
  void** real;
};

static struct Replacement replacements[] = {
    {"user32.dll", "SetTimer", (void*)strictSetTimer, (void**)&realSetTimer},
    {"user32.dll", "MsgWaitForMultipleObjects", (void*)strictMsgWait, (void**)&realMsgWait},
    {"user32.dll", "MsgWaitForMultipleObjectsEx", (void*)strictMsgWaitEx, (void**)&realMsgWaitEx},
    {"user32.dll", "SendMessageA", (void*)strictSendMessageA, (void**)&realSendMessageA},
    {"user32.dll", "SendMessageW", (void*)strictSendMessageW, (void**)&realSendMessageW},
    {"kernel32.dll", "CreateProcessA", (void*)strictCreateProcessA, (void**)&realCreateProcessA},
};

static void replaceEntry(void** slot, void* strict) {
  DWORD old;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) return;
  *slot = strict;
  VirtualProtect(slot, sizeof *slot, old, &old);
}

/* Points the program's own import table at the strict functions. */
static void watchProgram(void) {
  BYTE* base = (BYTE*)GetModuleHandleA(NULL);
  const IMAGE_NT_HEADERS* nt =
      (const IMAGE_NT_HEADERS*)(base + ((const IMAGE_DOS_HEADER*)base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY* directory =
      &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!directory->VirtualAddress) return;
  unsigned i;
  for (i = 0; i < sizeof replacements / sizeof replacements[0]; ++i) {
    HMODULE library = GetModuleHandleA(replacements[i].library);
    *replacements[i].real =
        library ? (void*)GetProcAddress(library, replacements[i].function) : NULL;
  }
  const IMAGE_IMPORT_DESCRIPTOR* import =
      (const IMAGE_IMPORT_DESCRIPTOR*)(base + directory->VirtualAddress);
  for (; import->Name; ++import) {
    const char* library = (const char*)(base + import->Name);
    if (!import->OriginalFirstThunk) continue;
    const IMAGE_THUNK_DATA* names = (const IMAGE_THUNK_DATA*)(base + import->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + import->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const char* function = (const char*)((const IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData))->Name;
      for (i = 0; i < sizeof replacements / sizeof replacements[0]; ++i) {
        const struct Replacement* r = &replacements[i];
        if (*r->real && lstrcmpiA(library, r->library) == 0 && lstrcmpA(function, r->function) == 0)
          replaceEntry((void**)&slots->u1.Function, r->strict);
      }
    }
  }
}

/* The global hook that brings this library into a program at its first window. */
__declspec(dllexport) LRESULT CALLBACK strictProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(NULL, code, wParam, lParam);
}

/* The programs under test: not those of the system itself (Wine's desktop, the command
   interpreter), which may have inherited the log's name. */
static BOOL underTest(void) {
  if (GetEnvironmentVariableA("CORVANE_STRICT_LOG", NULL, 0) == 0) return FALSE;
  char program[MAX_PATH];
  char system[MAX_PATH];
  const DWORD length = GetModuleFileNameA(NULL, program, MAX_PATH);
  const UINT systemLength = GetWindowsDirectoryA(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH || systemLength == 0 || systemLength >= MAX_PATH)
    return TRUE;
  if (length <= systemLength) return TRUE;
  const char saved = program[systemLength];
  program[systemLength] = '\0';
  const BOOL inSystem = lstrcmpiA(program, system) == 0 && (saved == '\\' || saved == '/');
  return !inSystem;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH && underTest()) {
    /* The import table points into this library from now on: it must never be unloaded (a hook's
       library may be, once the hook has run). */
    char self[MAX_PATH];
    if (GetModuleFileNameA(instance, self, MAX_PATH)) LoadLibraryA(self);
    watchProgram();
  }
  return TRUE;
}
