// MmxOperate: one MMX instruction on the real MMX unit, for every operation code.
#include "cpu/pentium_mmx.h"

#if !defined(__i386__) && !defined(__x86_64__)
#error "MmxOperate needs an x86 processor with MMX"
#endif

namespace cpu {

// Each case is a whole instruction sequence of its own: EMMS, load A into MM0 and B into MM1,
// "op MM1, MM0", store MM0, EMMS. The trailing EMMS leaves the x87 stack empty again for the
// floating-point code that follows; being a function of its own, nothing of ours is held in x87
// registers across it.
#define CORVANE_MMX_CASE(code, instruction)                                         \
  case code:                                                                        \
    __asm__ __volatile__(                                                           \
        "emms\n\t"                                                                  \
        "movq %1, %%mm0\n\t"                                                        \
        "movq %2, %%mm1\n\t" instruction " %%mm1, %%mm0\n\t"                        \
        "movq %%mm0, %0\n\t"                                                        \
        "emms"                                                                      \
        : "=m"(result)                                                              \
        : "m"(A), "m"(B)                                                            \
        : "mm0", "mm1");                                                            \
    break;

TMmxOperand TPentiumMMX::MmxOperate(TMmxOperation Op, const TMmxOperand& A,
                                    const TMmxOperand& B) {
  TMmxOperand result = 0;
  switch (Op) {
    CORVANE_MMX_CASE(mmxPAND, "pand")
    CORVANE_MMX_CASE(mmxPANDN, "pandn")
    CORVANE_MMX_CASE(mmxPOR, "por")
    CORVANE_MMX_CASE(mmxPXOR, "pxor")
    CORVANE_MMX_CASE(mmxPSRLW, "psrlw")
    CORVANE_MMX_CASE(mmxPSRLD, "psrld")
    CORVANE_MMX_CASE(mmxPSRLQ, "psrlq")
    CORVANE_MMX_CASE(mmxPSRAW, "psraw")
    CORVANE_MMX_CASE(mmxPSRAD, "psrad")
    CORVANE_MMX_CASE(mmxPSLLW, "psllw")
    CORVANE_MMX_CASE(mmxPSLLD, "pslld")
    CORVANE_MMX_CASE(mmxPSLLQ, "psllq")
    CORVANE_MMX_CASE(mmxPCMPGTB, "pcmpgtb")
    CORVANE_MMX_CASE(mmxPCMPGTW, "pcmpgtw")
    CORVANE_MMX_CASE(mmxPCMPGTD, "pcmpgtd")
    CORVANE_MMX_CASE(mmxPCMPEQB, "pcmpeqb")
    CORVANE_MMX_CASE(mmxPCMPEQW, "pcmpeqw")
    CORVANE_MMX_CASE(mmxPCMPEQD, "pcmpeqd")
    CORVANE_MMX_CASE(mmxPACKSSWB, "packsswb")
    CORVANE_MMX_CASE(mmxPACKSSDW, "packssdw")
    CORVANE_MMX_CASE(mmxPACKUSWB, "packuswb")
    CORVANE_MMX_CASE(mmxPUNPCKLBW, "punpcklbw")
    CORVANE_MMX_CASE(mmxPUNPCKLWD, "punpcklwd")
    CORVANE_MMX_CASE(mmxPUNPCKLDQ, "punpckldq")
    CORVANE_MMX_CASE(mmxPUNPCKHBW, "punpckhbw")
    CORVANE_MMX_CASE(mmxPUNPCKHWD, "punpckhwd")
    CORVANE_MMX_CASE(mmxPUNPCKHDQ, "punpckhdq")
    CORVANE_MMX_CASE(mmxPADDUSB, "paddusb")
    CORVANE_MMX_CASE(mmxPADDUSW, "paddusw")
    CORVANE_MMX_CASE(mmxPADDSB, "paddsb")
    CORVANE_MMX_CASE(mmxPADDSW, "paddsw")
    CORVANE_MMX_CASE(mmxPADDB, "paddb")
    CORVANE_MMX_CASE(mmxPADDW, "paddw")
    CORVANE_MMX_CASE(mmxPADDD, "paddd")
    CORVANE_MMX_CASE(mmxPSUBUSB, "psubusb")
    CORVANE_MMX_CASE(mmxPSUBUSW, "psubusw")
    CORVANE_MMX_CASE(mmxPSUBSB, "psubsb")
    CORVANE_MMX_CASE(mmxPSUBSW, "psubsw")
    CORVANE_MMX_CASE(mmxPSUBB, "psubb")
    CORVANE_MMX_CASE(mmxPSUBW, "psubw")
    CORVANE_MMX_CASE(mmxPSUBD, "psubd")
    CORVANE_MMX_CASE(mmxPMULLW, "pmullw")
    CORVANE_MMX_CASE(mmxPMULHW, "pmulhw")
    CORVANE_MMX_CASE(mmxPMADDWD, "pmaddwd")
    default:
      break;  // 0 and every code above 44: nothing runs, the result stays 0
  }
  return result;
}

#undef CORVANE_MMX_CASE

}  // namespace cpu
