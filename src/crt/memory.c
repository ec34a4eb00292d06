/* The memory and string functions the program and the C++ library call. Whole words are moved
   with the string instructions, which a Pentium MMX runs at one word per clock; what is left
   over goes byte by byte. Built with -ffreestanding: the compiler must not turn these loops
   into calls of themselves. */
#include "crt/crt_names.h"

void* CRT(memcpy)(void* to, const void* from, size_t size) {
  void* start = to;
  size_t words = size >> 2;
  size_t bytes = size & 3u;
  __asm__ volatile("rep movsl\n\tmovl %k[bytes], %%ecx\n\trep movsb"
                   : "+D"(to), "+S"(from), "+c"(words)
                   : [bytes] "r"(bytes)
                   : "memory");
  return start;
}

void* CRT(memmove)(void* to, const void* from, size_t size) {
  unsigned char* t = (unsigned char*)to;
  const unsigned char* f = (const unsigned char*)from;
  /* Only a copy onto a later part of itself must run from the end. */
  if (t <= f || t >= f + size) return CRT(memcpy)(to, from, size);
  while (size) {
    --size;
    t[size] = f[size];
  }
  return to;
}

void* CRT(memset)(void* to, int byte, size_t size) {
  void* start = to;
  unsigned pattern = (unsigned char)byte * 0x01010101u;
  size_t words = size >> 2;
  size_t bytes = size & 3u;
  __asm__ volatile("rep stosl\n\tmovl %k[bytes], %%ecx\n\trep stosb"
                   : "+D"(to), "+c"(words)
                   : "a"(pattern), [bytes] "r"(bytes)
                   : "memory");
  return start;
}

int CRT(memcmp)(const void* a, const void* b, size_t size) {
  const unsigned char* x = (const unsigned char*)a;
  const unsigned char* y = (const unsigned char*)b;
  for (; size; --size, ++x, ++y)
    if (*x != *y) return *x < *y ? -1 : 1;
  return 0;
}

void* CRT(memchr)(const void* bytes, int byte, size_t size) {
  const unsigned char* p = (const unsigned char*)bytes;
  for (; size; --size, ++p)
    if (*p == (unsigned char)byte) return (void*)p;
  return NULL;
}

size_t CRT(strlen)(const char* text) {
  const char* end = text;
  while (*end) ++end;
  return (size_t)(end - text);
}

int CRT(strcmp)(const char* a, const char* b) {
  const unsigned char* x = (const unsigned char*)a;
  const unsigned char* y = (const unsigned char*)b;
  while (*x && *x == *y) ++x, ++y;
  return *x == *y ? 0 : (*x < *y ? -1 : 1);
}

int CRT(strncmp)(const char* a, const char* b, size_t size) {
  const unsigned char* x = (const unsigned char*)a;
  const unsigned char* y = (const unsigned char*)b;
  for (; size; --size, ++x, ++y) {
    if (*x != *y) return *x < *y ? -1 : 1;
    if (!*x) break;
  }
  return 0;
}

char* CRT(strncpy)(char* to, const char* from, size_t size) {
  size_t i = 0;
  for (; i < size && from[i]; ++i) to[i] = from[i];
  for (; i < size; ++i) to[i] = '\0';  /* the rest is padded, as the standard says */
  return to;
}
