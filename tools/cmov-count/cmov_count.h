#pragma once
// What cmov-count's two sides share: the debugger's loop counts each phase's hits, the thread
// that acts as the user begins the phases and waits for the program to settle.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0500
#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace cmov_count {

struct Phase {
  std::string name;
  std::map<DWORD, unsigned long> hits;                          // site -> executions
  std::map<std::pair<DWORD, DWORD>, unsigned long> callers;     // (entry, caller) -> calls
};

// Shared between the debugger's loop and the thread that acts as the user.
extern CRITICAL_SECTION lock;
extern std::vector<Phase> phases;
extern unsigned long totalEvents;  // every breakpoint hit, to tell when the program has settled
extern HANDLE markReached;
extern HANDLE processHandle;
extern DWORD processId;

void beginPhase(const std::string& name);
// The program has settled when no breakpoint has been hit for a second.
void waitUntilSettled();
// A line for the report that says what went wrong.
void note(const char* what);

template <typename F>
bool waitUntil(F condition, int milliseconds = 20000) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}

// The user's side, a thread of its own: tab switches, boxes and the countdown, then the close.
DWORD WINAPI actAsUser(void*);

}  // namespace cmov_count
