// Inline assembly behind X86Processor. The flags register is always put back as it was.
#include "cpu/x86_processor.h"

namespace cpu {

namespace {
constexpr unsigned long kIdFlag = 0x200000;  // bit 21 of (E/R)FLAGS
}

#if defined(__x86_64__)

bool X86Processor::idFlagToggles() {
  unsigned long before = 0, after = 0;
  // Step over the red zone first: the compiler may keep locals below the stack pointer, and
  // our pushes would overwrite them.
  __asm__ __volatile__(
      "subq $128, %%rsp\n\t"
      "pushfq\n\t"
      "popq %0\n\t"
      "movq %0, %1\n\t"
      "xorq %2, %1\n\t"
      "pushq %1\n\t"
      "popfq\n\t"
      "pushfq\n\t"
      "popq %1\n\t"
      "pushq %0\n\t"
      "popfq\n\t"
      "addq $128, %%rsp"
      : "=&r"(before), "=&r"(after)
      : "r"(kIdFlag)
      : "cc");
  return ((before ^ after) & kIdFlag) != 0;
}

#elif defined(__i386__)

bool X86Processor::idFlagToggles() {
  unsigned long before = 0, after = 0;
  __asm__ __volatile__(
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl %2, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "pushl %0\n\t"
      "popfl"
      : "=&r"(before), "=&r"(after)
      : "r"(kIdFlag)
      : "cc");
  return ((before ^ after) & kIdFlag) != 0;
}

#else
#error "X86Processor needs an x86 processor"
#endif

platform::CpuidResult X86Processor::cpuid(std::uint32_t leaf) {
  platform::CpuidResult r;
  __asm__ __volatile__("cpuid"
                       : "=a"(r.eax), "=b"(r.ebx), "=c"(r.ecx), "=d"(r.edx)
                       : "a"(leaf), "c"(0u));
  return r;
}

std::uint64_t X86Processor::rdtsc() {
  std::uint32_t low = 0, high = 0;
  __asm__ __volatile__("rdtsc" : "=a"(low), "=d"(high));
  return std::uint64_t(high) << 32 | low;
}

}  // namespace cpu
