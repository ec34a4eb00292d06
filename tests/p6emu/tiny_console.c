/* A console program started through CorvaneEntry. Exit code 0 when the runtime started as usual
   and real invalid-instruction exceptions at a CMOV and an FCOMIP, passed down the runtime's own
   filter, were carried out. This processor has both instructions, so each sits behind a UD2
   that a filter in front steps over, as if the processor had stopped at the P6 instruction. */
#include <windows.h>

#include <string.h>

static LPTOP_LEVEL_EXCEPTION_FILTER runtime_filter;
static BYTE* code;

static LONG WINAPI step_over_trap(EXCEPTION_POINTERS* info) {
  if (info->ExceptionRecord->ExceptionCode != EXCEPTION_ILLEGAL_INSTRUCTION ||
      info->ContextRecord->Eip != (DWORD)(UINT_PTR)code)
    return EXCEPTION_CONTINUE_SEARCH;
  info->ContextRecord->Eip += 2;
  return runtime_filter(info);
}

int main(int argc, char** argv) {
  static const BYTE cmov[] = {0x0F, 0x0B, 0x0F, 0x44, 0xC8, 0xC3};  /* ud2; cmove ecx,eax; ret */
  static const BYTE fcomip[] = {0x0F, 0x0B, 0xDF, 0xF1, 0xC3};      /* ud2; fcomip st,st(1); ret */
  DWORD moved, flags;
  WORD status;
  int left;

  if (argc != 3 || strcmp(argv[1], "one") != 0 || strcmp(argv[2], "two") != 0) return 2;
  code = VirtualAlloc(NULL, 4096, MEM_COMMIT, PAGE_EXECUTE_READWRITE);
  runtime_filter = SetUnhandledExceptionFilter(step_over_trap);
  if (!code || !runtime_filter) return 3;

  memcpy(code, cmov, sizeof cmov);
  __asm__ volatile("movl $5, %%eax\n\tmovl $1, %%ecx\n\tcmpl %%eax, %%eax\n\tcall *%[code]"
                   : "=&c"(moved) : [code] "r"(code) : "eax", "edx", "cc", "memory");
  if (moved != 5) return 4;

  /* ST(0) = 2, ST(1) = 1: greater, so ZF, PF and CF, all set before, end clear; 1 is left. */
  memcpy(code, fcomip, sizeof fcomip);
  __asm__ volatile("fld1\n\tfld1\n\tfadd %%st(0), %%st(0)\n\tcmpl %%eax, %%eax\n\tstc\n\t"
                   "call *%[code]\n\tpushf\n\tpopl %[flags]\n\tfnstsw %%ax\n\t"
                   "movw %%ax, %[status]\n\tfistpl %[left]"
                   : [flags] "=&r"(flags), [status] "=m"(status), [left] "=m"(left)
                   : [code] "r"(code) : "eax", "ecx", "edx", "cc", "memory");
  if (flags & 0x45) return 5;
  if (((status >> 11) & 7) != 7) return 6;
  return left == 1 ? 0 : 7;
}
