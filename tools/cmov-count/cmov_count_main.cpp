// cmov-count: runs corvane.exe (the twin with symbols) as a debugger's child and counts how often
// each CMOV site of the exe runs, from the entry to the program's first wait for input, in the
// work done at that wait, and during a few ordinary actions a user takes. On a Socket 7
// processor each of them is an invalid-instruction exception that the program's P6 handler
// carries out, so the count is what a Pentium MMX pays that this machine does not.
//
//   cmov-count SITES PROGRAM
//
// SITES lists one breakpoint a line, "ADDRESS KIND": KIND "cmov" is a CMOV site (counted), "entry"
// the first instruction of a function that holds one (the caller, read from the stack, is
// counted), "mark" the program's first wait for input (the first phase ends there). It prints
// raw lines ("phase", "hit", "call", "note") for tools/cmov-count/cmov-sites report. A benchmark:
// it reports and never fails a build.
//
// Each breakpoint is an INT3 written over the first byte; when hit, the byte is put back, the
// thread runs that one instruction under the trap flag and the INT3 goes back in. The child is
// never run on a processor without CMOV here: the instructions run natively, only counted.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0500
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTrapFlag = 0x100;
constexpr BYTE kInt3 = 0xCC;

enum class Kind { Cmov, Entry, Mark };

struct Breakpoint {
  Kind kind;
  BYTE original = 0;
  bool armed = false;
};

struct Phase {
  std::string name;
  std::map<DWORD, unsigned long> hits;                          // site -> executions
  std::map<std::pair<DWORD, DWORD>, unsigned long> callers;     // (entry, caller) -> calls
};

// Shared between the debugger's loop and the thread that acts as the user.
CRITICAL_SECTION lock;
std::vector<Phase> phases;
unsigned long totalEvents = 0;  // every breakpoint hit, to tell when the program has settled
HANDLE markReached;
HANDLE processHandle;
DWORD processId;

void beginPhase(const std::string& name) {
  EnterCriticalSection(&lock);
  phases.push_back(Phase{name, {}, {}});
  LeaveCriticalSection(&lock);
}

unsigned long eventsSoFar() {
  EnterCriticalSection(&lock);
  const unsigned long n = totalEvents;
  LeaveCriticalSection(&lock);
  return n;
}

// The program has settled when no breakpoint has been hit for a second.
void waitUntilSettled() {
  unsigned long before = eventsSoFar();
  for (int quiet = 0; quiet < 1000;) {
    Sleep(100);
    const unsigned long now = eventsSoFar();
    quiet = now == before ? quiet + 100 : 0;
    before = now;
  }
}

template <typename F>
bool waitUntil(F condition, int milliseconds = 20000) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}

// ---- the user's side: windows of the child, found by class and text ----

std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 511, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                      nullptr);
  return text;
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 63);
  return name;
}

struct Search {
  std::wstring text, className;
  HWND found = nullptr;
};

BOOL CALLBACK findChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if ((search->className.empty() || _wcsicmp(classOf(window).c_str(), search->className.c_str()) == 0) &&
      (search->text.empty() || textOf(window) == search->text)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND child(HWND top, const std::wstring& text, const std::wstring& className = L"") {
  Search search{text, className};
  EnumChildWindows(top, findChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK findTop(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == processId && IsWindowVisible(window) &&
      (search->className.empty() || classOf(window) == search->className) &&
      (search->text.empty() || textOf(window) == search->text)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND topWindow(const std::wstring& text, const std::wstring& className = L"") {
  Search search{text, className};
  EnumWindows(findTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK findNumberBox(HWND window, LPARAM param) {
  if (classOf(window) != L"Edit") return TRUE;
  const std::wstring text = textOf(window);
  if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

bool selectTab(HWND tabs, int index) {
  const int centres[] = {20, 86, 166, 254};  // of the four tab headers
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centres[index], 10));
  PostMessageW(tabs, WM_LBUTTONUP, 0, MAKELPARAM(centres[index], 10));
  return waitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; });
}

void note(const char* what) {
  std::printf("note %s\n", what);
  std::fflush(stdout);
}

// Acts as the user once the program has first waited for input; each action is a phase of its
// own, ended when the program has settled.
DWORD WINAPI actAsUser(void*) {
  if (WaitForSingleObject(markReached, 120000) != WAIT_OBJECT_0) {
    note("the program never reached its first wait for input");
    TerminateProcess(processHandle, 1);
    return 0;
  }
  waitUntilSettled();

  HWND main = nullptr;
  waitUntil([&] {
    main = topWindow(L"", L"CorvaneForm");
    return main && child(main, L"", L"SysTabControl32");
  });
  HWND tabs = main ? child(main, L"", L"SysTabControl32") : nullptr;
  if (!tabs) {
    note("no main window with a tab control");
    TerminateProcess(processHandle, 1);
    return 0;
  }

  beginPhase("tab switch to the registry tab");
  if (!selectTab(tabs, 1)) note("the registry tab was not selected");
  waitUntilSettled();

  HWND box = child(main, L"DDCの影響を強くする");
  const LRESULT was = box ? SendMessageW(box, BM_GETCHECK, 0, 0) : 0;
  beginPhase("check box, the run's first (a backup file is written first)");
  if (box) PostMessageW(box, BM_CLICK, 0, 0);
  if (!box || !waitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) != was; }))
    note("the check box did not change");
  waitUntilSettled();

  beginPhase("check box, the same box back");
  if (box) PostMessageW(box, BM_CLICK, 0, 0);
  if (!box || !waitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == was; }))
    note("the check box did not change back");
  waitUntilSettled();

  beginPhase("tab switch to the overclock tab");
  if (!selectTab(tabs, 2)) note("the overclock tab was not selected");
  waitUntilSettled();

  beginPhase("clock change to 120 MHz answered with Cancel (and OK to the message)");
  HWND clock = nullptr;
  EnumChildWindows(main, findNumberBox, reinterpret_cast<LPARAM>(&clock));
  HWND change = child(main, L"クロック変更");
  HWND confirm = nullptr;
  if (clock && change) {
    SendMessageTimeoutW(clock, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"120"), SMTO_NORMAL,
                        10000, nullptr);
    PostMessageW(change, BM_CLICK, 0, 0);
    waitUntil([&] { return (confirm = topWindow(L"確認")) != nullptr; });
  }
  HWND cancel = confirm ? child(confirm, L"キャンセル") : nullptr;
  if (cancel) {
    PostMessageW(cancel, BM_CLICK, 0, 0);
    // The default clock goes back and a message box says so; OK to it, as a user does.
    HWND told = nullptr;
    if (waitUntil([&] { return (told = topWindow(L"", L"#32770")) != nullptr; }))
      PostMessageW(child(told, L"OK"), BM_CLICK, 0, 0);
    else
      note("no message box after the cancel");
    if (!waitUntil([&] { return !IsWindow(confirm) || !IsWindowVisible(confirm); }))
      note("the confirmation stayed");
  } else {
    note("no confirmation with a cancel button came");
  }
  waitUntilSettled();

  beginPhase("tab switch back to the general tab");
  if (!selectTab(tabs, 0)) note("the general tab was not selected");
  waitUntilSettled();

  // The program's whole end: its windows go, the static objects' destructors and the runtime's
  // exit run, until the process is gone.
  beginPhase("the close (the main window's close box), until the process has ended");
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(processHandle, 60000) != WAIT_OBJECT_0) {
    note("the program did not end after its close");
    beginPhase("(ended by the debugger)");
    TerminateProcess(processHandle, 0);
  }
  return 0;
}

// ---- the debugger's side ----

std::map<DWORD, Breakpoint> breakpoints;

bool writeByte(DWORD address, BYTE value) {
  SIZE_T done = 0;
  const bool ok = WriteProcessMemory(processHandle, reinterpret_cast<void*>(address), &value, 1,
                                     &done) && done == 1;
  FlushInstructionCache(processHandle, reinterpret_cast<void*>(address), 1);
  return ok;
}

void armAll() {
  for (auto& [address, bp] : breakpoints) {
    SIZE_T done = 0;
    if (!ReadProcessMemory(processHandle, reinterpret_cast<void*>(address), &bp.original, 1,
                           &done) || done != 1) {
      std::fprintf(stderr, "cmov-count: cannot read 0x%08lx\n", address);
      continue;
    }
    bp.armed = writeByte(address, kInt3);
  }
}

DWORD readStackWord(DWORD address) {
  DWORD value = 0;
  SIZE_T done = 0;
  ReadProcessMemory(processHandle, reinterpret_cast<void*>(address), &value, sizeof value, &done);
  return value;
}

bool loadSites(const char* path) {
  FILE* f = std::fopen(path, "r");
  if (!f) return false;
  char kind[16];
  unsigned long address;
  while (std::fscanf(f, "%lx %15s", &address, kind) == 2) {
    Kind k = std::strcmp(kind, "cmov") == 0 ? Kind::Cmov
             : std::strcmp(kind, "entry") == 0 ? Kind::Entry
                                                : Kind::Mark;
    breakpoints[address].kind = k;
  }
  std::fclose(f);
  return !breakpoints.empty();
}

void print() {
  for (std::size_t i = 0; i < phases.size(); ++i) {
    std::printf("phase %zu %s\n", i, phases[i].name.c_str());
    for (const auto& [site, n] : phases[i].hits) std::printf("hit %zu %08lx %lu\n", i, site, n);
    for (const auto& [key, n] : phases[i].callers)
      std::printf("call %zu %08lx %08lx %lu\n", i, key.first, key.second, n);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || !loadSites(argv[1])) {
    std::fprintf(stderr, "usage: cmov-count SITES PROGRAM\n");
    return 2;
  }
  InitializeCriticalSection(&lock);
  markReached = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  phases.push_back(Phase{"from the entry to the first wait for input", {}, {}});

  std::string program = argv[2];
  std::string folder = program.substr(0, program.find_last_of("\\/"));
  std::string line = "\"" + program + "\"";
  std::vector<char> writable(line.begin(), line.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                      nullptr, folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "cmov-count: cannot start %s (error %lu)\n", program.c_str(),
                 GetLastError());
    return 1;
  }
  processHandle = process.hProcess;
  processId = process.dwProcessId;
  std::map<DWORD, HANDLE> threads;
  std::map<DWORD, DWORD> stepping;  // thread -> breakpoint to put back after one instruction
  HANDLE user = CreateThread(nullptr, 0, actAsUser, nullptr, 0, nullptr);

  for (bool running = true; running;) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, INFINITE)) break;
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        threads[event.dwThreadId] = event.u.CreateProcessInfo.hThread;
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        if (reinterpret_cast<DWORD>(event.u.CreateProcessInfo.lpBaseOfImage) != 0x400000)
          note("the exe is not at its preferred address; the sites are off");
        armAll();
        break;
      case CREATE_THREAD_DEBUG_EVENT:
        threads[event.dwThreadId] = event.u.CreateThread.hThread;
        break;
      case EXIT_THREAD_DEBUG_EVENT:
        threads.erase(event.dwThreadId);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        running = false;
        break;
      case EXCEPTION_DEBUG_EVENT: {
        const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
        const DWORD at = reinterpret_cast<DWORD>(record.ExceptionAddress);
        HANDLE thread = threads.count(event.dwThreadId) ? threads[event.dwThreadId] : nullptr;
        status = DBG_EXCEPTION_NOT_HANDLED;
        if (record.ExceptionCode == EXCEPTION_BREAKPOINT && thread) {
          // Wine reports the INT3's own address; a system might report the one after it.
          DWORD site = breakpoints.count(at) ? at : at - 1;
          auto found = breakpoints.find(site);
          if (found != breakpoints.end() && found->second.armed) {
            CONTEXT context{};
            context.ContextFlags = CONTEXT_CONTROL;
            GetThreadContext(thread, &context);
            EnterCriticalSection(&lock);
            ++totalEvents;
            Phase& phase = phases.back();
            if (found->second.kind == Kind::Cmov) {
              ++phase.hits[site];
            } else if (found->second.kind == Kind::Entry) {
              ++phase.callers[{site, readStackWord(context.Esp)}];
            }
            LeaveCriticalSection(&lock);
            writeByte(site, found->second.original);
            found->second.armed = false;
            context.Eip = site;
            if (found->second.kind == Kind::Mark) {
              // Once: the mark stays out.
              EnterCriticalSection(&lock);
              phases.push_back(
                  Phase{"at the first wait: the pages out of sight, the work left for then", {}, {}});
              LeaveCriticalSection(&lock);
              SetEvent(markReached);
            } else {
              context.EFlags |= kTrapFlag;
              stepping[event.dwThreadId] = site;
            }
            SetThreadContext(thread, &context);
            status = DBG_CONTINUE;
          } else if (found == breakpoints.end()) {
            status = DBG_CONTINUE;  // the loader's own breakpoint at the start
          }
        } else if (record.ExceptionCode == EXCEPTION_SINGLE_STEP && thread &&
                   stepping.count(event.dwThreadId)) {
          const DWORD site = stepping[event.dwThreadId];
          stepping.erase(event.dwThreadId);
          CONTEXT context{};
          context.ContextFlags = CONTEXT_CONTROL;
          GetThreadContext(thread, &context);
          context.EFlags &= ~kTrapFlag;
          SetThreadContext(thread, &context);
          breakpoints[site].armed = writeByte(site, kInt3);
          status = DBG_CONTINUE;
        }
        break;
      }
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
  WaitForSingleObject(user, 10000);
  EnterCriticalSection(&lock);
  print();
  LeaveCriticalSection(&lock);
  return 0;
}
