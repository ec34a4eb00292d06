/* malloc and its kin on the process heap, which every Win32 system has from the start (Windows 95
   included). A zero size is a real block of its own, as the C library's. */
#include <windows.h>

#include "crt/crt_names.h"

void* CRT(malloc)(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }

void* CRT(calloc)(size_t count, size_t size) {
  if (size && count > (size_t)-1 / size) return NULL; /* the product would wrap round */
  size *= count;
  return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size ? size : 1);
}

void* CRT(realloc)(void* block, size_t size) {
  if (!block) return CRT(malloc)(size);
  if (!size) {
    CRT(free)(block);
    return NULL;
  }
  /* On failure the block stays as it was, as realloc promises. */
  return HeapReAlloc(GetProcessHeap(), 0, block, size);
}

void CRT(free)(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}
