#pragma once
// The processor the tests run on as the reference: it has CMOVcc and FCOMI natively, so the
// emulation can be compared with the real thing.
#include <cstdint>

#include "made_up_machine.h"

#if defined(__i386__) || defined(__x86_64__)
#define CORVANE_HAVE_HARDWARE_ORACLE 1

// Whether CMOVcc moves with these arithmetic flags (P6EMU_CF | ... bits).
bool hardwareCmovMoves(unsigned condition, uint32_t flags);

// FCOMI / FUCOMI (pop: FCOMIP / FUCOMIP) ST(0)=a, ST(1)=b after FNINIT and FLDCW control, every
// arithmetic flag set before; emptyST1 frees ST(1) first. Returns the FPU as FNSAVE stores it
// and sets eflags to the arithmetic flags after.
p6emu_x87 hardwareCompare(const Extended& a, const Extended& b, uint16_t control, bool quiet,
                          bool pop, bool emptyST1, uint32_t& eflags);
#endif
