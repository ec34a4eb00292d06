/* trap-bench: how long the P6 handler takes to carry out one CMOV, the instruction the prebuilt
   runtime still holds on a few of the program's paths. Natively it calls the emulator alone
   (decode, condition, register or memory operand); built for Windows and run under Wine it also
   calls the exception filter the system would call, with a saved context as Windows hands it over
   (the context's conversion and the IsBadReadPtr checks of the instruction bytes included).
   What the system spends before the filter is called (the processor's fault, the kernel, the
   exception's dispatch) is not in these figures. A benchmark: it reports, never fails.

     trap-bench [ROUNDS]

   Run it under valgrind --tool=callgrind natively to count the instructions of one call. */
#define _POSIX_C_SOURCE 199309L
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "p6emu/p6emu.h"
#ifdef _WIN32
#include "p6emu/win32/p6emu_win32.h"
#endif

/* cmove ecx,ebx (the runtime's start-up scans its command line with it) and
   cmovne eax,[esp+0x20] (a memory source read through the reader). */
static const uint8_t register_form[] = {0x0F, 0x44, 0xCB, 0x90};
static const uint8_t memory_form[] = {0x0F, 0x45, 0x44, 0x24, 0x20, 0x90};

enum { kCode = 0x1000, kStack = 0x2000 };
static uint8_t code[16];
static uint8_t stack[64];

static int read_made_up(void* unused, uint32_t address, uint8_t* buffer, uint32_t size) {
  (void)unused;
  if (address >= kCode && address + size <= kCode + sizeof code) {
    memcpy(buffer, code + (address - kCode), size);
    return 1;
  }
  if (address >= kStack && address + size <= kStack + sizeof stack) {
    memcpy(buffer, stack + (address - kStack), size);
    return 1;
  }
  return 0;
}

static double seconds(void) {
#ifdef _WIN32
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return (double)counter.QuadPart / (double)frequency.QuadPart;
#else
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
#endif
}

static volatile uint32_t sink;

/* Nanoseconds per emulated CMOV, the emulator alone. */
static double time_emulator(const uint8_t* instruction, size_t length, long rounds) {
  p6emu_memory memory = {read_made_up, 0};
  p6emu_state state;
  double start, stop;
  long i;
  memcpy(code, instruction, length);
  memset(&state, 0, sizeof state);
  state.reg[P6EMU_EBX] = 7;
  state.reg[P6EMU_ESP] = kStack;
  start = seconds();
  for (i = 0; i < rounds; i++) {
    state.eip = kCode;
    state.eflags = (i & 1) ? P6EMU_ZF : 0;
    if (p6emu_emulate(&state, &memory, 0) != P6EMU_DONE) {
      fprintf(stderr, "trap-bench: the emulator refused the instruction\n");
      exit(1);
    }
    sink += state.reg[P6EMU_ECX];
  }
  stop = seconds();
  return (stop - start) * 1e9 / (double)rounds;
}

#ifdef _WIN32
/* Nanoseconds per emulated CMOV through the exception filter, on a real address. */
static double time_filter(const uint8_t* instruction, size_t length, long rounds) {
  static uint8_t real_code[16];
  uint32_t real_stack[16] = {0};
  EXCEPTION_RECORD record;
  CONTEXT context;
  EXCEPTION_POINTERS pointers = {&record, &context};
  double start, stop;
  long i;
  memcpy(real_code, instruction, length);
  memset(&record, 0, sizeof record);
  record.ExceptionCode = EXCEPTION_ILLEGAL_INSTRUCTION;
  memset(&context, 0, sizeof context);
  context.ContextFlags = CONTEXT_CONTROL | CONTEXT_INTEGER;
  context.Ebx = 7;
  context.Esp = (DWORD)(uintptr_t)real_stack;
  start = seconds();
  for (i = 0; i < rounds; i++) {
    context.Eip = (DWORD)(uintptr_t)real_code;
    record.ExceptionAddress = real_code;
    context.EFlags = (i & 1) ? P6EMU_ZF : 0;
    if (p6emu_exception_filter(&pointers) != EXCEPTION_CONTINUE_EXECUTION) {
      fprintf(stderr, "trap-bench: the filter passed the instruction on\n");
      exit(1);
    }
    sink += context.Ecx;
  }
  stop = seconds();
  return (stop - start) * 1e9 / (double)rounds;
}
#endif

int main(int argc, char** argv) {
  long rounds = argc > 1 ? atol(argv[1]) : 2000000;
  if (rounds < 1) {
    fprintf(stderr, "usage: trap-bench [ROUNDS]\n");
    return 2;
  }
  printf("emulator alone, cmove ecx,ebx:            %7.1f ns per CMOV\n",
         time_emulator(register_form, sizeof register_form, rounds));
  printf("emulator alone, cmovne eax,[esp+0x20]:    %7.1f ns per CMOV\n",
         time_emulator(memory_form, sizeof memory_form, rounds));
#ifdef _WIN32
  printf("exception filter, cmove ecx,ebx:          %7.1f ns per CMOV\n",
         time_filter(register_form, sizeof register_form, rounds / 10));
  printf("exception filter, cmovne eax,[esp+0x20]:  %7.1f ns per CMOV\n",
         time_filter(memory_form, sizeof memory_form, rounds / 10));
#endif
  return 0;
}
