/* Maps a Win32 exception CONTEXT to the emulator's state and back, and chains to the filter that
   was installed before. Calls nothing of the C runtime: it runs before the runtime is set up, and
   the runtime itself is what raises the exceptions. */
#include "p6emu/p6emu.h"
#include "p6emu/win32/p6emu_win32.h"

/* Windows 95/98 set no CONTEXT_i386 bit in every record, so only the part bits are tested. */
#define SAVED_X87 (CONTEXT_FLOATING_POINT & ~CONTEXT_i386)
#define SAVED_FXSAVE_IMAGE (CONTEXT_EXTENDED_REGISTERS & ~CONTEXT_i386)

static LPTOP_LEVEL_EXCEPTION_FILTER previous_filter;

static int read_memory(void* unused, uint32_t address, uint8_t* buffer, uint32_t size) {
  const volatile uint8_t* bytes = (const volatile uint8_t*)(uintptr_t)address;
  uint32_t i;
  (void)unused;
  if (IsBadReadPtr((const void*)bytes, size)) return 0;
  for (i = 0; i < size; i++) buffer[i] = bytes[i];
  return 1;
}

/* The filter runs on the faulting thread, so its FS is the faulting code's FS: the thread
   information block, whose linear address it holds at offset 0x18. */
static uint32_t thread_block_address(void) {
  uint32_t self;
  __asm__("movl %%fs:0x18, %0" : "=r"(self));
  return self;
}

static void state_from_context(const CONTEXT* c, p6emu_state* s) {
  unsigned i, j;
  s->reg[P6EMU_EAX] = c->Eax;
  s->reg[P6EMU_ECX] = c->Ecx;
  s->reg[P6EMU_EDX] = c->Edx;
  s->reg[P6EMU_EBX] = c->Ebx;
  s->reg[P6EMU_ESP] = c->Esp;
  s->reg[P6EMU_EBP] = c->Ebp;
  s->reg[P6EMU_ESI] = c->Esi;
  s->reg[P6EMU_EDI] = c->Edi;
  s->eflags = c->EFlags;
  s->eip = c->Eip;
  s->fs_base = thread_block_address();
  s->gs_base = 0;
  s->valid = s->fs_base ? P6EMU_HAVE_FS_BASE : 0u;
  s->x87.control_word = (uint16_t)c->FloatSave.ControlWord;
  s->x87.status_word = (uint16_t)c->FloatSave.StatusWord;
  s->x87.tag_word = (uint16_t)c->FloatSave.TagWord;
  for (i = 0; i < 8; i++)
    for (j = 0; j < 10; j++) s->x87.st[i][j] = c->FloatSave.RegisterArea[10 * i + j];
  if (c->ContextFlags & SAVED_X87) s->valid |= P6EMU_HAVE_X87;
}

/* Where the system also saved an FXSAVE image, it restores the FPU from that image, so the
   image must say what the FNSAVE part says. */
static void x87_to_fxsave_image(const p6emu_x87* x, BYTE* image) {
  unsigned i, j, abridged_tags = 0;
  image[2] = (BYTE)x->status_word;
  image[3] = (BYTE)(x->status_word >> 8);
  for (i = 0; i < 8; i++)
    if (((x->tag_word >> (2 * i)) & 3u) != 3u) abridged_tags |= 1u << i;
  image[4] = (BYTE)abridged_tags;
  for (i = 0; i < 8; i++)
    for (j = 0; j < 10; j++) image[32 + 16 * i + j] = x->st[i][j];
}

static void context_from_state(const p6emu_state* s, int x87_changed, CONTEXT* c) {
  unsigned i, j;
  c->Eax = s->reg[P6EMU_EAX];
  c->Ecx = s->reg[P6EMU_ECX];
  c->Edx = s->reg[P6EMU_EDX];
  c->Ebx = s->reg[P6EMU_EBX];
  c->Esp = s->reg[P6EMU_ESP];
  c->Ebp = s->reg[P6EMU_EBP];
  c->Esi = s->reg[P6EMU_ESI];
  c->Edi = s->reg[P6EMU_EDI];
  c->EFlags = s->eflags;
  c->Eip = s->eip;
  if (!x87_changed) return;
  c->FloatSave.StatusWord = (c->FloatSave.StatusWord & 0xFFFF0000u) | s->x87.status_word;
  c->FloatSave.TagWord = (c->FloatSave.TagWord & 0xFFFF0000u) | s->x87.tag_word;
  for (i = 0; i < 8; i++)
    for (j = 0; j < 10; j++) c->FloatSave.RegisterArea[10 * i + j] = s->x87.st[i][j];
  if (c->ContextFlags & SAVED_FXSAVE_IMAGE) x87_to_fxsave_image(&s->x87, c->ExtendedRegisters);
}

LONG WINAPI p6emu_exception_filter(EXCEPTION_POINTERS* info) {
  if (info && info->ExceptionRecord && info->ContextRecord &&
      info->ExceptionRecord->ExceptionCode == EXCEPTION_ILLEGAL_INSTRUCTION) {
    p6emu_state state;
    p6emu_instruction instruction;
    p6emu_memory memory;
    memory.read = read_memory;
    memory.context = 0;
    state_from_context(info->ContextRecord, &state);
    if (p6emu_emulate(&state, &memory, &instruction) == P6EMU_DONE) {
      context_from_state(&state, instruction.kind != P6EMU_CMOV, info->ContextRecord);
      return EXCEPTION_CONTINUE_EXECUTION;
    }
  }
  return previous_filter ? previous_filter(info) : EXCEPTION_CONTINUE_SEARCH;
}

void p6emu_install_exception_filter(void) {
  LPTOP_LEVEL_EXCEPTION_FILTER before = SetUnhandledExceptionFilter(p6emu_exception_filter);
  if (before != p6emu_exception_filter) previous_filter = before;
}
