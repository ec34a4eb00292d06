/* The program's start: after the entry point has put the P6 handler in place, the static objects
   are made, WinMain gets the command line without the program's own name, and its return value
   ends the process through exit. Nothing else of a C runtime is needed: the program reads no
   environment table, has no standard streams and no locale, and computes nothing in floating
   point (the x87 stays as Windows sets it up for every thread). */
#include <windows.h>

#include "crt/crt_names.h"

const char* crt_arguments_after_program(const char* commandLine) {
  const unsigned char* p = (const unsigned char*)commandLine;
  if (!p) return "";
  /* The program's name: quoted (a blank may be inside) or up to the first blank. Neither the
     quote nor the blank is ever a trail byte of a double-byte character. */
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p > ' ') ++p;
  }
  while (*p && *p <= ' ') ++p;
  return (const char*)p;
}

/* The linker's list: a -1, the functions, a null. Later entries run first, as the compiler
   expects (the library's constructors of higher priority come last). */
void crt_construct_statics(crt_function* list) {
  size_t count = 0;
  while (list[count + 1]) ++count;
  for (; count; --count) list[count]();
}

void crt_destroy_statics(crt_function* list) {
  size_t i;
  for (i = 1; list[i]; ++i) list[i]();
}

#ifndef CORVANE_CRT_UNDER_TEST

extern crt_function __CTOR_LIST__[];

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
void exit(int code);

int WinMainCRTStartup(void) {
  STARTUPINFOA startup;
  int show = SW_SHOWDEFAULT;
  startup.cb = sizeof startup; /* 68 bytes, Windows 95's size as well */
  GetStartupInfoA(&startup);
  if (startup.dwFlags & STARTF_USESHOWWINDOW) show = startup.wShowWindow;
  crt_construct_statics(__CTOR_LIST__);
  exit(WinMain(GetModuleHandleA(NULL), NULL,
               (LPSTR)crt_arguments_after_program(GetCommandLineA()), show));
  return 0;
}

#endif
