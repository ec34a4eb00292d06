/* The execution halves of the emulator, shared between its source files only. */
#ifndef CORVANE_P6EMU_EXECUTE_H
#define CORVANE_P6EMU_EXECUTE_H

#include "p6emu/p6emu.h"

/* Whether condition code 0..15 (O, NO, B, AE, E, NE, BE, A, S, NS, P, NP, L, GE, LE, G) holds. */
int p6emu_condition_holds(unsigned condition, uint32_t eflags);

p6emu_result p6emu_execute_fcomi(p6emu_state* state, const p6emu_instruction* instruction);
p6emu_result p6emu_execute_fcmov(p6emu_state* state, const p6emu_instruction* instruction);

#endif
