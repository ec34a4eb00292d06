/* Decodes the P6 instructions the handler carries out: prefixes, opcode, ModRM/SIB addressing. */
#include "p6emu/p6emu.h"

/* Longer instructions raise a general-protection fault on every processor, not ours to mend. */
#define MAX_INSTRUCTION_LENGTH 15u

enum segment { SEG_FLAT, SEG_FS, SEG_GS };

typedef struct cursor {
  const p6emu_memory* memory;
  uint32_t start;
  unsigned length;
  int unreadable;
  int too_long;
} cursor;

static unsigned next_byte(cursor* c) {
  uint8_t byte = 0;
  if (c->unreadable || c->too_long) return 0;
  if (c->length >= MAX_INSTRUCTION_LENGTH) {
    c->too_long = 1;
    return 0;
  }
  if (!c->memory->read(c->memory->context, c->start + c->length, &byte, 1)) {
    c->unreadable = 1;
    return 0;
  }
  c->length++;
  return byte;
}

static uint32_t next_le(cursor* c, unsigned size) {
  uint32_t value = 0;
  unsigned i;
  for (i = 0; i < size; i++) value |= (uint32_t)next_byte(c) << (8 * i);
  return value;
}

static uint32_t sign_extend8(uint32_t byte) { return (byte ^ 0x80u) - 0x80u; }

/* 16-bit addressing (address-size prefix): [BX+SI], [BX+DI], [BP+SI], [BP+DI], [SI], [DI],
   [BP] or disp16, [BX]. */
static uint32_t address16(const p6emu_state* s, cursor* c, unsigned mod, unsigned rm) {
  static const signed char base[8] = {P6EMU_EBX, P6EMU_EBX, P6EMU_EBP, P6EMU_EBP,
                                      -1,        -1,        P6EMU_EBP, P6EMU_EBX};
  static const signed char index[8] = {P6EMU_ESI, P6EMU_EDI, P6EMU_ESI, P6EMU_EDI,
                                       P6EMU_ESI, P6EMU_EDI, -1,        -1};
  uint32_t ea = 0;
  if (mod == 0 && rm == 6) return next_le(c, 2);
  if (base[rm] >= 0) ea += s->reg[(int)base[rm]];
  if (index[rm] >= 0) ea += s->reg[(int)index[rm]];
  if (mod == 1) ea += sign_extend8(next_byte(c));
  if (mod == 2) ea += next_le(c, 2);
  return ea & 0xFFFFu;
}

static uint32_t address32(const p6emu_state* s, cursor* c, unsigned mod, unsigned rm) {
  uint32_t ea = 0;
  if (rm == 4) {
    unsigned sib = next_byte(c);
    unsigned scale = sib >> 6, index = (sib >> 3) & 7u, base = sib & 7u;
    if (index != 4) ea = s->reg[index] << scale;
    if (base == 5 && mod == 0)
      ea += next_le(c, 4);
    else
      ea += s->reg[base];
  } else if (rm == 5 && mod == 0) {
    return next_le(c, 4);
  } else {
    ea = s->reg[rm];
  }
  if (mod == 1) ea += sign_extend8(next_byte(c));
  if (mod == 2) ea += next_le(c, 4);
  return ea;
}

/* The x87 register forms: DA (FCMOVB/E/BE/U), DB (FCMOVNB/NE/NBE/NU, FUCOMI, FCOMI),
   DF (FUCOMIP, FCOMIP). */
static p6emu_result decode_x87(unsigned opcode, unsigned modrm, p6emu_instruction* in) {
  static const unsigned char fcmov_condition[4] = {0x2, 0x4, 0x6, 0xA}; /* B, E, BE, P(U) */
  unsigned op = (modrm >> 3) & 7u;
  if (modrm < 0xC0) return P6EMU_NOT_P6;
  in->source = modrm & 7u;
  if (opcode != 0xDF && op < 4) {
    in->kind = P6EMU_FCMOV;
    in->condition = fcmov_condition[op] | (opcode == 0xDB ? 1u : 0u);
    return P6EMU_DONE;
  }
  if (opcode != 0xDA && (op == 5 || op == 6)) {
    in->kind = P6EMU_FCOMI;
    in->quiet = op == 5;
    in->pops = opcode == 0xDF;
    return P6EMU_DONE;
  }
  return P6EMU_NOT_P6;
}

p6emu_result p6emu_decode(const p6emu_state* s, const p6emu_memory* memory,
                          p6emu_instruction* in) {
  cursor c;
  unsigned opcode, modrm, mod, rm;
  int operand16 = 0, address16_prefix = 0;
  enum segment segment = SEG_FLAT;
  p6emu_result result = P6EMU_NOT_P6;

  c.memory = memory;
  c.start = s->eip;
  c.length = 0;
  c.unreadable = 0;
  c.too_long = 0;
  in->kind = P6EMU_CMOV;
  in->length = 0;
  in->condition = 0;
  in->operand_size = 4;
  in->reg = 0;
  in->source_is_memory = 0;
  in->source = 0;
  in->address = 0;
  in->pops = 0;
  in->quiet = 0;

  for (;;) {
    opcode = next_byte(&c);
    if (opcode == 0x66)
      operand16 = 1;
    else if (opcode == 0x67)
      address16_prefix = 1;
    else if (opcode == 0x26 || opcode == 0x2E || opcode == 0x36 || opcode == 0x3E)
      segment = SEG_FLAT; /* ES, CS, SS, DS all start at 0 in a Win32 process */
    else if (opcode == 0x64)
      segment = SEG_FS;
    else if (opcode == 0x65)
      segment = SEG_GS;
    else
      break; /* LOCK and REP (F0, F2, F3) end here too: with them it is no longer ours */
  }

  if (opcode == 0x0F) {
    opcode = next_byte(&c);
    if ((opcode & 0xF0u) == 0x40) {
      modrm = next_byte(&c);
      mod = modrm >> 6;
      rm = modrm & 7u;
      in->condition = opcode & 0x0Fu;
      in->operand_size = operand16 ? 2 : 4;
      in->reg = (modrm >> 3) & 7u;
      if (mod == 3) {
        in->source = rm;
      } else {
        in->source_is_memory = 1;
        in->address = address16_prefix ? address16(s, &c, mod, rm) : address32(s, &c, mod, rm);
      }
      result = P6EMU_DONE;
    }
  } else if (opcode == 0xDA || opcode == 0xDB || opcode == 0xDF) {
    modrm = next_byte(&c);
    result = decode_x87(opcode, modrm, in);
  }

  if (c.unreadable) return P6EMU_UNREADABLE;
  if (c.too_long || result != P6EMU_DONE) return P6EMU_NOT_P6;
  in->length = c.length;

  if (in->source_is_memory && segment == SEG_FS) {
    if (!(s->valid & P6EMU_HAVE_FS_BASE)) return P6EMU_UNSUPPORTED;
    in->address += s->fs_base;
  } else if (in->source_is_memory && segment == SEG_GS) {
    if (!(s->valid & P6EMU_HAVE_GS_BASE)) return P6EMU_UNSUPPORTED;
    in->address += s->gs_base;
  }
  return P6EMU_DONE;
}
