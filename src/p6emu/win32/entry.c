/* The program's entry point, ahead of the runtime's start-up, which Socket 7 processors would
   otherwise stop at its first CMOV. */
#include "p6emu/win32/p6emu_win32.h"

#ifdef CORVANE_CONSOLE_ENTRY
int mainCRTStartup(void);
#define RUNTIME_ENTRY mainCRTStartup
#else
int WinMainCRTStartup(void);
#define RUNTIME_ENTRY WinMainCRTStartup
#endif

int CorvaneEntry(void) {
  p6emu_install_exception_filter();
  return RUNTIME_ENTRY();
}
