/* Carries out, on a saved processor state, the P6 instructions (CMOVcc, FCMOVcc, FCOMI and kin)
   that the prebuilt runtime contains and that Socket 7 processors (Pentium MMX, K6-2, K6-III,
   WinChip, 6x86) lack. Plain C with no library calls: it runs inside an exception handler, in a
   process whose runtime may not be usable. */
#ifndef CORVANE_P6EMU_P6EMU_H
#define CORVANE_P6EMU_P6EMU_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* General registers in the order the instruction encoding numbers them. */
enum { P6EMU_EAX, P6EMU_ECX, P6EMU_EDX, P6EMU_EBX, P6EMU_ESP, P6EMU_EBP, P6EMU_ESI, P6EMU_EDI };

/* EFLAGS bits the emulated instructions read or write. */
#define P6EMU_CF 0x0001u
#define P6EMU_PF 0x0004u
#define P6EMU_AF 0x0010u
#define P6EMU_ZF 0x0040u
#define P6EMU_SF 0x0080u
#define P6EMU_OF 0x0800u

/* x87 status word bits. */
#define P6EMU_FSW_IE 0x0001u  /* invalid operation */
#define P6EMU_FSW_DE 0x0002u  /* denormal operand */
#define P6EMU_FSW_SF 0x0040u  /* stack fault */
#define P6EMU_FSW_ES 0x0080u  /* error summary: an unmasked exception is pending */
#define P6EMU_FSW_C1 0x0200u
#define P6EMU_FSW_TOP 0x3800u
#define P6EMU_FSW_B 0x8000u

/* Which optional parts of a state were saved (p6emu_state.valid). */
#define P6EMU_HAVE_X87 0x1u
#define P6EMU_HAVE_FS_BASE 0x2u
#define P6EMU_HAVE_GS_BASE 0x4u

/* The x87 part of the state, laid out like the FNSAVE image that a Win32 CONTEXT carries. */
typedef struct p6emu_x87 {
  uint16_t control_word;
  uint16_t status_word;
  uint16_t tag_word;  /* two bits per physical register; 3 = empty */
  uint8_t st[8][10];  /* ST(0)..ST(7) in stack order, each an 80-bit extended value */
} p6emu_x87;

typedef struct p6emu_state {
  uint32_t reg[8];
  uint32_t eflags;
  uint32_t eip;
  uint32_t fs_base; /* linear base of FS, when P6EMU_HAVE_FS_BASE */
  uint32_t gs_base; /* linear base of GS, when P6EMU_HAVE_GS_BASE */
  unsigned valid;   /* P6EMU_HAVE_... */
  p6emu_x87 x87;
} p6emu_state;

/* Copies size bytes at a linear address into buffer; returns 0 when any of them is unreadable. */
typedef int (*p6emu_read_fn)(void* context, uint32_t address, uint8_t* buffer, uint32_t size);

typedef struct p6emu_memory {
  p6emu_read_fn read;
  void* context;
} p6emu_memory;

typedef enum p6emu_result {
  P6EMU_DONE = 0,    /* carried out; eip is past the instruction */
  P6EMU_NOT_P6,      /* not an instruction this handler carries out */
  P6EMU_UNREADABLE,  /* the instruction or its memory operand could not be read */
  P6EMU_UNSUPPORTED  /* recognised, but this state lacks what it needs (x87 state, GS base,
                        an occupied register for FCMOV) */
} p6emu_result;

typedef enum p6emu_kind { P6EMU_CMOV, P6EMU_FCMOV, P6EMU_FCOMI } p6emu_kind;

typedef struct p6emu_instruction {
  p6emu_kind kind;
  unsigned length;       /* bytes, prefixes included */
  unsigned condition;    /* CMOV, FCMOV: condition code 0..15 as in Jcc (0 = O ... 15 = G) */
  unsigned operand_size; /* CMOV: 2 or 4 */
  unsigned reg;          /* CMOV: destination register */
  int source_is_memory;  /* CMOV */
  unsigned source;       /* CMOV: source register; FCMOV, FCOMI: i of ST(i) */
  uint32_t address;      /* CMOV memory source: linear address */
  int pops;              /* FCOMIP, FUCOMIP */
  int quiet;             /* FUCOMI, FUCOMIP: a quiet NaN is not an invalid operation */
} p6emu_instruction;

/* Decodes the instruction at state->eip without changing anything. */
p6emu_result p6emu_decode(const p6emu_state* state, const p6emu_memory* memory,
                          p6emu_instruction* instruction);

/* Decodes and carries out the instruction at state->eip. On P6EMU_DONE the state holds the
   result and eip points past the instruction; otherwise the state is unchanged. instruction may
   be null. */
p6emu_result p6emu_emulate(p6emu_state* state, const p6emu_memory* memory,
                           p6emu_instruction* instruction);

#ifdef __cplusplus
}
#endif

#endif
