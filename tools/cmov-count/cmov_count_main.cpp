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
#include "cmov_count.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace cmov_count {

CRITICAL_SECTION lock;
std::vector<Phase> phases;
unsigned long totalEvents = 0;
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

void waitUntilSettled() {
  unsigned long before = eventsSoFar();
  for (int quiet = 0; quiet < 1000;) {
    Sleep(100);
    const unsigned long now = eventsSoFar();
    quiet = now == before ? quiet + 100 : 0;
    before = now;
  }
}

void note(const char* what) {
  std::printf("note %s\n", what);
  std::fflush(stdout);
}

}  // namespace cmov_count

using namespace cmov_count;

namespace {

constexpr DWORD kTrapFlag = 0x100;
constexpr BYTE kInt3 = 0xCC;

enum class Kind { Cmov, Entry, Mark };

struct Breakpoint {
  Kind kind;
  BYTE original = 0;
  bool armed = false;
};

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
