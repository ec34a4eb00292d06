/* The Win32 side of the P6-instruction handler: the exception filter and its installation. */
#ifndef CORVANE_P6EMU_WIN32_P6EMU_WIN32_H
#define CORVANE_P6EMU_WIN32_P6EMU_WIN32_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Carries out a P6 instruction that raised EXCEPTION_ILLEGAL_INSTRUCTION and continues after it;
   anything else goes to the filter that was installed before, or on to the system. */
LONG WINAPI p6emu_exception_filter(EXCEPTION_POINTERS* info);

/* Makes p6emu_exception_filter the unhandled-exception filter, remembering the one before it.
   Must run before any runtime code: the runtime's start-up already contains P6 instructions. */
void p6emu_install_exception_filter(void);

/* The program's entry point: installs the filter, then runs the runtime's own start-up. */
int CorvaneEntry(void);

#ifdef __cplusplus
}
#endif

#endif
