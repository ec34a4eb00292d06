/* How the program ends: the functions registered with atexit (the destructors of static
   objects among them) in the reverse order of their registration, then the process. And what
   the C++ library expects of the runtime besides: abort, the threads flag and the thread keys'
   destructors. */
#include <windows.h>

#include "crt/crt_names.h"

typedef struct exit_function {
  void (*function)(void);
  struct exit_function* earlier;
} exit_function;

static exit_function* latest;

int CRT(atexit)(void (*function)(void)) {
  exit_function* entry = (exit_function*)CRT(malloc)(sizeof *entry);
  if (!entry) return -1;
  entry->function = function;
  entry->earlier = latest;
  latest = entry;
  return 0;
}

/* Each entry leaves the list before it runs: a function that registers another, or calls exit,
   never runs one twice. */
void crt_run_exit_functions(void) {
  while (latest) {
    exit_function* entry = latest;
    latest = entry->earlier;
    entry->function();
    CRT(free)(entry);
  }
}

#ifndef CORVANE_CRT_UNDER_TEST

extern crt_function __DTOR_LIST__[];

void exit(int code) {
  crt_run_exit_functions();
  crt_destroy_statics(__DTOR_LIST__);
  ExitProcess((UINT)code);
}

/* No message: the program's own handlers have shown their errors already (an exception nobody
   caught ends here through std::terminate). The exit code is the one C runtimes give. */
void abort(void) { ExitProcess(3); }

/* Non-zero tells the C++ library's thread layer that threads may exist, so it keeps its locks
   and a set of exception globals per thread, as it did over the system's runtime. */
int _CRT_MT = 1;

/* The library would have each thread's data of a key freed when that thread ends. No thread of
   the program ends before the process, and the process takes everything with it. */
int __mingwthr_key_dtor(DWORD key, void (*destructor)(void*)) {
  (void)key;
  (void)destructor;
  return 0;
}

/* The C++ library was built to call errno's function through an import's pointer. */
int* (*_imp___errno)(void) = _errno;

#endif
