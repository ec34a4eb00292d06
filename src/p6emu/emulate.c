/* Carries out a decoded instruction: CMOVcc here, the x87 forms in x87.c. */
#include "p6emu/execute.h"

int p6emu_condition_holds(unsigned condition, uint32_t eflags) {
  int cf = (eflags & P6EMU_CF) != 0, pf = (eflags & P6EMU_PF) != 0;
  int zf = (eflags & P6EMU_ZF) != 0, sf = (eflags & P6EMU_SF) != 0;
  int of = (eflags & P6EMU_OF) != 0;
  int holds;
  switch (condition >> 1) {
    case 0: holds = of; break;
    case 1: holds = cf; break;
    case 2: holds = zf; break;
    case 3: holds = cf || zf; break;
    case 4: holds = sf; break;
    case 5: holds = pf; break;
    case 6: holds = sf != of; break;
    default: holds = zf || sf != of; break;
  }
  /* Odd codes are the negations of the even ones before them. */
  return (condition & 1u) ? !holds : holds;
}

static p6emu_result execute_cmov(p6emu_state* s, const p6emu_memory* memory,
                                 const p6emu_instruction* in) {
  uint32_t value;
  if (in->source_is_memory) {
    /* The processor reads the source even when the condition fails, and faults if it cannot. */
    uint8_t bytes[4];
    unsigned i;
    if (!memory->read(memory->context, in->address, bytes, in->operand_size))
      return P6EMU_UNREADABLE;
    value = 0;
    for (i = 0; i < in->operand_size; i++) value |= (uint32_t)bytes[i] << (8 * i);
  } else {
    value = s->reg[in->source];
  }
  if (p6emu_condition_holds(in->condition, s->eflags)) {
    if (in->operand_size == 2)
      s->reg[in->reg] = (s->reg[in->reg] & 0xFFFF0000u) | (value & 0xFFFFu);
    else
      s->reg[in->reg] = value;
  }
  return P6EMU_DONE;
}

p6emu_result p6emu_emulate(p6emu_state* s, const p6emu_memory* memory,
                           p6emu_instruction* instruction) {
  p6emu_instruction local;
  p6emu_instruction* in = instruction ? instruction : &local;
  p6emu_result result = p6emu_decode(s, memory, in);
  if (result != P6EMU_DONE) return result;
  if (in->kind == P6EMU_CMOV)
    result = execute_cmov(s, memory, in);
  else if (in->kind == P6EMU_FCMOV)
    result = p6emu_execute_fcmov(s, in);
  else
    result = p6emu_execute_fcomi(s, in);
  if (result == P6EMU_DONE) s->eip += in->length;
  return result;
}
