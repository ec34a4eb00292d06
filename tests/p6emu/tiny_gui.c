/* A GUI program started through CorvaneEntry: exit code 0 when the runtime's start-up, which
   walks the command line with CMOV, handed WinMain the arguments. */
#include <windows.h>

#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)instance;
  (void)previous;
  (void)show;
  return strcmp(commandLine, "one two") == 0 ? 0 : 2;
}
