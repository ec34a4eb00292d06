// The clock tool's runs: one at a time on the whole machine.
//
// The lock is a named mutex, which every copy of Corvane opens by the same name. A mutex belongs
// to the thread that took it, and a run must hold it until the tool ends, which may be long
// after the window has stopped waiting (a tool that hangs, clk.bat that runs on while the
// window is in use). So each run has a thread of its own that takes the lock, starts the
// program, waits for its end, lets go of the lock and ends. The thread calls nothing but the
// system (the command line is prepared before it starts): no C runtime, no C++ library. Its
// record is shared with the caller and freed by whichever of the two lets go of it last.
#include <windows.h>

#include <cstring>

#include "platform/win32/process_start.h"
#include "platform/win32/win32_seams.h"

namespace platform::win32 {
namespace {

const char* const kLockName = "CorvaneClockToolRun";

// How long the program, when it ends, waits for a tool it started to finish: the lock goes with
// the last of its threads, and another copy of Corvane must not run a tool beside this one.
const DWORD kLingerMs = 30000;

// The runs whose threads have not ended, and an event that is set while there are none.
LONG g_runsGoingOn = 0;
HANDLE g_noRunGoingOn = nullptr;

void runEnded() {
  if (InterlockedDecrement(&g_runsGoingOn) == 0 && g_noRunGoingOn) SetEvent(g_noRunGoingOn);
}

struct Run {
  LONG holders;    // the caller and the thread
  HANDLE lock;     // the machine's mutex, the thread's to take
  HANDLE decided;  // set once the program started, or did not
  DWORD lockWaitMs;
  WORD show;
  DWORD flags;
  // What the thread found; read by the caller only after `decided` or the thread's end.
  Launcher::ToolRun::Status status;
  DWORD exitCode;
  DWORD error;
  char* line;  // ANSI, prepared for CreateProcessA, in the same block
  char* folder;
};

void letGo(Run* run) {
  if (InterlockedDecrement(&run->holders) != 0) return;
  CloseHandle(run->lock);
  CloseHandle(run->decided);
  HeapFree(GetProcessHeap(), 0, run);
}

DWORD WINAPI runUnderLock(void* parameter) {
  Run* run = static_cast<Run*>(parameter);
  const DWORD got = WaitForSingleObject(run->lock, run->lockWaitMs);
  // An abandoned lock was held by a copy of the program that ended without letting go: the
  // lock is ours now.
  if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) {
    run->status = Launcher::ToolRun::Status::Busy;
    SetEvent(run->decided);
    letGo(run);
    runEnded();
    return 0;
  }
  PROCESS_INFORMATION process{};
  if (!startPrepared(run->line, run->folder, run->show, run->flags, process)) {
    run->status = Launcher::ToolRun::Status::NotStarted;
    run->error = GetLastError();
    ReleaseMutex(run->lock);
    SetEvent(run->decided);
    letGo(run);
    runEnded();
    return 0;
  }
  CloseHandle(process.hThread);
  run->status = Launcher::ToolRun::Status::StillRunning;
  SetEvent(run->decided);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code)) run->exitCode = code;
  CloseHandle(process.hProcess);
  run->status = Launcher::ToolRun::Status::Ended;
  ReleaseMutex(run->lock);
  letGo(run);
  runEnded();
  return 0;
}

// Starts a run's thread; nothing when the system refused the thread or its objects.
Run* startRun(const ProcessStart& prepared, DWORD lockWaitMs, HANDLE& thread) {
  const std::string& line = prepared.line;
  const std::string& folder = prepared.folder;
  const std::size_t size = sizeof(Run) + line.size() + 1 + folder.size() + 1;
  Run* run = static_cast<Run*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
  if (!run) return nullptr;
  run->line = reinterpret_cast<char*>(run + 1);
  std::memcpy(run->line, line.c_str(), line.size() + 1);
  run->folder = run->line + line.size() + 1;
  std::memcpy(run->folder, folder.c_str(), folder.size() + 1);
  run->holders = 2;
  run->lockWaitMs = lockWaitMs;
  run->show = prepared.show;
  run->flags = prepared.flags;
  run->status = Launcher::ToolRun::Status::NotStarted;
  run->lock = CreateMutexA(nullptr, FALSE, kLockName);
  run->decided = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!g_noRunGoingOn) g_noRunGoingOn = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  // Windows 95's InterlockedIncrement tells only the sign of the result, so no count is read from
  // it: the event is reset for every run, and set when a decrement reaches zero.
  InterlockedIncrement(&g_runsGoingOn);
  if (g_noRunGoingOn) ResetEvent(g_noRunGoingOn);
  // Windows 95/98 refuse a thread without a place for its id.
  DWORD id = 0;
  thread =
      run->lock && run->decided ? CreateThread(nullptr, 0, runUnderLock, run, 0, &id) : nullptr;
  if (!thread) {
    run->holders = 1;
    letGo(run);
    runEnded();
    return nullptr;
  }
  return run;
}

// Waits for `object` at most `milliseconds`, painting the program's windows meanwhile and
// answering what other programs send them; posted messages and input stay queued. True when
// the object was signalled.
bool waitPainting(HANDLE object, DWORD milliseconds) {
  const DWORD began = GetTickCount();
  for (;;) {
    const DWORD waited = GetTickCount() - began;
    const DWORD left = waited >= milliseconds ? 0 : milliseconds - waited;
    // QS_PAINT is Windows 98's as well as ours.
    const DWORD woke = MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_PAINT);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
      DispatchMessageA(&message);
  }
}

// Keys pressed and clicks made while the window could not answer were aimed at a window that
// has changed since: a click on a button that was greyed out, an Enter held down on クロック変更.
void dropInputGivenMeanwhile() {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

}  // namespace

Win32Launcher::~Win32Launcher() {
  if (!g_noRunGoingOn) return;
  const DWORD began = GetTickCount();
  // A 32-bit read is whole on every x86; the event may be set a moment early, so the count says.
  while (*static_cast<volatile LONG*>(&g_runsGoingOn) > 0) {
    const DWORD waited = GetTickCount() - began;
    if (waited >= kLingerMs) break;
    WaitForSingleObject(g_noRunGoingOn, kLingerMs - waited);
  }
}

Launcher::ToolRun Win32Launcher::runClockTool(const std::string& commandLine,
                                              const std::string& folder, std::uint32_t lockWaitMs,
                                              std::uint32_t waitMs) {
  ToolRun result;
  HANDLE thread = nullptr;
  Run* run = startRun(programStart(commandLine, folder), lockWaitMs, thread);
  if (!run) {
    result.error = GetLastError();
    return result;
  }
  const HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  // The thread decides within the lock's wait (and a program start); only then does the wait
  // for the tool itself begin.
  waitPainting(run->decided, INFINITE);
  result.status = run->status;
  result.error = run->error;
  if (result.status == ToolRun::Status::StillRunning) {
    if (waitPainting(thread, waitMs)) {
      result.status = ToolRun::Status::Ended;
      result.exitCode = run->exitCode;
    }
  }
  SetCursor(before);
  dropInputGivenMeanwhile();
  CloseHandle(thread);
  letGo(run);
  return result;
}

Launcher::Watched Win32Launcher::runClockBatch(const std::string& commandLine,
                                               const std::string& folder,
                                               std::uint32_t lockWaitMs) {
  HANDLE thread = nullptr;
  Run* run = startRun(shellStart(commandLine, folder, ShowMode::Normal), lockWaitMs, thread);
  if (!run) return 0;
  letGo(run);
  // The thread's end is the batch file's end and the lock's release.
  return reinterpret_cast<Watched>(thread);
}

bool Win32Launcher::waitFor(Watched program, std::uint32_t milliseconds) {
  if (!program) return false;
  const HANDLE thread = reinterpret_cast<HANDLE>(program);
  bool ended = WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
  if (!ended && milliseconds > 0) {
    // The window takes no input meanwhile: the hourglass says so.
    const HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    // Keys pressed meanwhile wait their turn: they were meant for the page that is being shown.
    ended = waitPainting(thread, milliseconds);
    SetCursor(before);
  }
  CloseHandle(thread);
  return ended;
}

}  // namespace platform::win32
