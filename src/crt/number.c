/* strtol and errno, which the program's reading of whole numbers relies on: a number out of
   range is clamped and reported as ERANGE. One errno for the process: the program's own code
   runs on one thread. */
#include <errno.h>
#include <limits.h>

#include "crt/crt_names.h"

/* <errno.h> declares _errno as MSVCRT.DLL's import; here it is defined instead. */
#pragma GCC diagnostic ignored "-Wattributes"

static int last_error;

int* CRT(_errno)(void) { return &last_error; }

static int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

long CRT(strtol)(const char* text, char** end, int base) {
  const char* p = text;
  int negative = 0, any = 0, overflow = 0;
  unsigned long value = 0, limit, last_digit_limit;
  if (base < 0 || base == 1 || base > 36) {
    if (end) *end = (char*)text;
    *CRT(_errno)() = EINVAL;
    return 0;
  }
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  if ((base == 0 || base == 16) && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') &&
      digit_value(p[2]) < 16) {
    p += 2;
    base = 16;
  } else if (base == 0) {
    base = p[0] == '0' ? 8 : 10;
  }
  /* The magnitude may reach LONG_MAX, or one more for a negative number. */
  limit = negative ? (unsigned long)LONG_MAX + 1u : (unsigned long)LONG_MAX;
  last_digit_limit = limit % (unsigned long)base;
  limit /= (unsigned long)base;
  for (;; ++p) {
    int digit = digit_value(*p);
    if (digit >= base) break;
    any = 1;
    if (overflow) continue;
    if (value > limit || (value == limit && (unsigned long)digit > last_digit_limit))
      overflow = 1;
    else
      value = value * (unsigned long)base + (unsigned long)digit;
  }
  if (end) *end = (char*)(any ? p : text);
  if (overflow) {
    *CRT(_errno)() = ERANGE;
    return negative ? LONG_MIN : LONG_MAX;
  }
  return negative ? (long)(0u - value) : (long)value;
}
