/* Windows 95/98 export CreateSemaphoreW only as a stub that fails. The runtime's thread support
 * (mutex set-up, frame registration) calls it through its import pointer; this file defines that
 * pointer, so the linker takes ours instead of the import, and forwards to CreateSemaphoreA with
 * the name converted to the ANSI code page. Link this object directly into every program. */
#include <windows.h>

static HANDLE WINAPI createSemaphoreAnsi(LPSECURITY_ATTRIBUTES attributes, LONG initial,
                                         LONG maximum, LPCWSTR name) {
  HANDLE semaphore;
  char* ansiName = NULL;
  if (name) {
    const int size = WideCharToMultiByte(CP_ACP, 0, name, -1, NULL, 0, NULL, NULL);
    if (size <= 0) return NULL;
    ansiName = (char*)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)size);
    if (!ansiName) return NULL;
    WideCharToMultiByte(CP_ACP, 0, name, -1, ansiName, size, NULL, NULL);
  }
  semaphore = CreateSemaphoreA(attributes, initial, maximum, ansiName);
  if (ansiName) HeapFree(GetProcessHeap(), 0, ansiName);
  return semaphore;
}

HANDLE(WINAPI* corvaneCreateSemaphoreW)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR)
    __asm__("__imp__CreateSemaphoreW@16") = createSemaphoreAnsi;
