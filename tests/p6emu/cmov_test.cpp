// CMOVcc carried out: every condition against every flag combination, every register pair in
// both sizes, memory sources.
#include <gtest/gtest.h>

#include "hardware_oracle.h"
#include "made_up_machine.h"

namespace {

TEST(P6Cmov, MatchesTheProcessorForEveryConditionAndFlagCombination) {
#ifdef CORVANE_HAVE_HARDWARE_ORACLE
  const uint32_t deciding[] = {P6EMU_OF, P6EMU_CF, P6EMU_ZF, P6EMU_SF, P6EMU_PF};
  for (unsigned condition = 0; condition < 16; condition++) {
    for (unsigned n = 0; n < 32; n++) {
      uint32_t flags = 0;
      for (unsigned bit = 0; bit < 5; bit++) flags |= n >> bit & 1 ? deciding[bit] : 0;
      MadeUpMachine m;
      m.state.eflags = 0x202 | flags;
      m.state.reg[P6EMU_ECX] = 1;
      m.state.reg[P6EMU_EAX] = 2;
      ASSERT_EQ(P6EMU_DONE, m.run({0x0F, uint8_t(0x40 + condition), 0xC8}));  // cmovcc ecx, eax
      EXPECT_EQ(hardwareCmovMoves(condition, flags), m.state.reg[P6EMU_ECX] == 2)
          << "condition " << condition << " flags " << std::hex << flags;
      EXPECT_EQ(0x202 | flags, m.state.eflags);
      EXPECT_EQ(MadeUpMachine::kCode + 3, m.state.eip);
    }
  }
#else
  GTEST_SKIP() << "needs an x86 processor as the reference";
#endif
}

TEST(P6Cmov, EveryRegisterPairInBothSizes) {
  auto initial = [](unsigned r) { return 0xA0B00000u + 0x01010101u * (r + 1); };
  for (unsigned d = 0; d < 8; d++) {
    for (unsigned s = 0; s < 8; s++) {
      for (bool word : {false, true}) {
        MadeUpMachine m;
        m.state.eflags |= P6EMU_ZF;
        for (unsigned r = 0; r < 8; r++) m.state.reg[r] = initial(r);
        const uint8_t modrm = uint8_t(0xC0 | d << 3 | s);
        ASSERT_EQ(P6EMU_DONE, word ? m.run({0x66, 0x0F, 0x44, modrm}) : m.run({0x0F, 0x44, modrm}));
        for (unsigned r = 0; r < 8; r++) {
          const uint32_t moved = word ? (initial(r) & 0xFFFF0000u) | (initial(s) & 0xFFFFu) : initial(s);
          EXPECT_EQ(r == d ? moved : initial(r), m.state.reg[r]) << d << s << r << word;
        }
      }
    }
  }
}

TEST(P6Cmov, MemorySourceIsReadInItsSizeEvenWhenTheConditionFails) {
  MadeUpMachine m;
  m.state.reg[P6EMU_EBX] = 0x2000;
  m.state.reg[P6EMU_ECX] = 0xAAAA5555;
  EXPECT_EQ(P6EMU_UNREADABLE, m.run({0x0F, 0x44, 0x0B}));  // cmove ecx,[ebx]; ZF clear
  EXPECT_EQ(MadeUpMachine::kCode, m.state.eip);
  m.put(0x2000, {0x78, 0x56});  // two readable bytes: enough for a word, not a dword
  EXPECT_EQ(P6EMU_UNREADABLE, m.run({0x0F, 0x44, 0x0B}));
  m.state.eflags |= P6EMU_ZF;
  p6emu_instruction in{};
  ASSERT_EQ(P6EMU_DONE, m.run({0x66, 0x0F, 0x44, 0x0B}, &in));  // cmove cx,[ebx]
  EXPECT_EQ(0xAAAA5678u, m.state.reg[P6EMU_ECX]);
  EXPECT_EQ(4u, in.length);
  EXPECT_EQ(MadeUpMachine::kCode + 4, m.state.eip);
  m.put(0x2002, {0x34, 0x12});
  m.state.eflags &= ~P6EMU_ZF;
  ASSERT_EQ(P6EMU_DONE, m.run({0x0F, 0x44, 0x0B}));  // read, not moved
  EXPECT_EQ(0xAAAA5678u, m.state.reg[P6EMU_ECX]);
  m.state.eflags |= P6EMU_ZF;
  ASSERT_EQ(P6EMU_DONE, m.run({0x0F, 0x44, 0x0B}));
  EXPECT_EQ(0x12345678u, m.state.reg[P6EMU_ECX]);
}

}  // namespace
