/* A program for the scanner to reject: it keeps the runtime's own entry point, and carries
   instructions a Pentium MMX lacks beside ones it runs or the handler carries out. */
void planted_instructions(void) {
  __asm__ volatile(
      "xorps %%xmm0, %%xmm0\n\t"
      ".byte 0x0f, 0x1f, 0x40, 0x00\n\t" /* long NOP */
      ".byte 0xf0, 0x0f, 0x44, 0xc8\n\t" /* lock cmove ecx, eax */
      ".byte 0x65, 0x0f, 0x44, 0x08\n\t" /* cmove ecx, gs:[eax] */
      "sysenter\n\t"
      "cmove %%eax, %%ecx\n\t"
      "fcomip %%st(1), %%st\n\t"
      "fcmovnbe %%st(2), %%st\n\t"
      "pause\n\t"
      "ud2\n\t" ::: "memory");
}

int main(void) { return 0; }
