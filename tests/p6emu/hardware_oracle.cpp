#include "hardware_oracle.h"

#ifdef CORVANE_HAVE_HARDWARE_ORACLE
#include <cstddef>

namespace {

// On x86-64 the compiler may keep data below the stack pointer; step over it before pushing.
#if defined(__x86_64__)
#define SKIP_RED_ZONE "lea -128(%%rsp), %%rsp\n\t"
#define RESTORE_RED_ZONE "lea 128(%%rsp), %%rsp\n\t"
#else
#define SKIP_RED_ZONE ""
#define RESTORE_RED_ZONE ""
#endif

constexpr uintptr_t kArithmeticFlags = 0x8D5;  // OF SF ZF AF PF CF
constexpr intptr_t kOtherFlags = ~intptr_t{0x8D5};

// Sets the arithmetic flags to %[set], keeping the others, runs `instruction`, reads the flags.
#define WITH_FLAGS(instruction)                                                           \
  SKIP_RED_ZONE "pushf\n\tpop %[flags]\n\tand %[keep], %[flags]\n\tor %[set], %[flags]\n\t" \
                "push %[flags]\n\tpopf\n\t" instruction "\n\tpushf\n\tpop %[flags]\n\t"    \
                RESTORE_RED_ZONE

}  // namespace

bool hardwareCmovMoves(unsigned condition, uint32_t flags) {
  uintptr_t destination = 0, scratch = 0;
#define CMOV_CASE(n, name)                                                                 \
  case n:                                                                                  \
    __asm__ volatile(WITH_FLAGS("cmov" name " %[source], %[destination]")                  \
                     : [destination] "+r"(destination), [flags] "=&r"(scratch)             \
                     : [source] "r"(uintptr_t{1}), [keep] "n"(kOtherFlags),                \
                       [set] "r"(uintptr_t{flags & kArithmeticFlags})                      \
                     : "cc");                                                              \
    break;
  switch (condition) {
    CMOV_CASE(0, "o") CMOV_CASE(1, "no") CMOV_CASE(2, "b") CMOV_CASE(3, "ae")
    CMOV_CASE(4, "e") CMOV_CASE(5, "ne") CMOV_CASE(6, "be") CMOV_CASE(7, "a")
    CMOV_CASE(8, "s") CMOV_CASE(9, "ns") CMOV_CASE(10, "p") CMOV_CASE(11, "np")
    CMOV_CASE(12, "l") CMOV_CASE(13, "ge") CMOV_CASE(14, "le") CMOV_CASE(15, "g")
  }
  return destination == 1;
}

p6emu_x87 hardwareCompare(const Extended& a, const Extended& b, uint16_t control, bool quiet,
                          bool pop, bool emptyST1, uint32_t& eflags) {
  // One block addressed through one register: i386 has few to spare.
  struct Io {
    uint8_t a[10], b[10];
    uint16_t control, saved, freeST1, unused;
    uint8_t image[108];  // FNSAVE, 32-bit protected-mode layout
  } io{};
  static_assert(offsetof(Io, freeST1) == 24 && offsetof(Io, image) == 28, "offsets in the asm");
  for (int i = 0; i < 10; i++) io.a[i] = a[i], io.b[i] = b[i];
  io.control = control;
  io.freeST1 = emptyST1;
  uintptr_t flags = 0;
#define COMPARE(name)                                                                       \
  __asm__ volatile("fnstcw 22(%[io])\n\tfninit\n\tfldcw 20(%[io])\n\t"                      \
                   "fldt 10(%[io])\n\tfldt 0(%[io])\n\t"                                    \
                   "cmpw $0, 24(%[io])\n\tje 1f\n\tffree %%st(1)\n1:\n\t"                   \
                   WITH_FLAGS(name " %%st(1), %%st(0)")                                     \
                   "fnsave 28(%[io])\n\tfldcw 22(%[io])"                                    \
                   : [flags] "=&r"(flags)                                                   \
                   : [io] "r"(&io), [keep] "n"(kOtherFlags), [set] "n"(kArithmeticFlags)    \
                   : "cc", "memory")
  if (quiet && pop) COMPARE("fucomip");
  else if (quiet) COMPARE("fucomi");
  else if (pop) COMPARE("fcomip");
  else COMPARE("fcomi");
  eflags = static_cast<uint32_t>(flags & kArithmeticFlags);
  p6emu_x87 x87{};
  x87.control_word = uint16_t(io.image[0] | io.image[1] << 8);
  x87.status_word = uint16_t(io.image[4] | io.image[5] << 8);
  x87.tag_word = uint16_t(io.image[8] | io.image[9] << 8);
  for (int i = 0; i < 8; i++)
    for (int j = 0; j < 10; j++) x87.st[i][j] = io.image[28 + 10 * i + j];
  return x87;
}

#endif
