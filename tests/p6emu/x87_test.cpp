// FCOMI, FCOMIP, FUCOMI, FUCOMIP and FCMOVcc carried out on a made-up FPU state.
#include <gtest/gtest.h>

#include <cstring>

#include "hardware_oracle.h"
#include "made_up_machine.h"

namespace {

constexpr uint64_t kJ = uint64_t{1} << 63;  // the explicit integer bit
constexpr uint32_t kCompareFlags = P6EMU_ZF | P6EMU_PF | P6EMU_CF | P6EMU_OF | P6EMU_SF | P6EMU_AF;
const Extended kZero = extended(false, 0, 0), kOne = extended(false, 0x3FFF, kJ),
               kTwo = extended(false, 0x4000, kJ), kInfinity = extended(false, 0x7FFF, kJ);

TEST(P6Compare, MatchesTheProcessor) {
#ifdef CORVANE_HAVE_HARDWARE_ORACLE
  const Extended values[] = {
      kZero, extended(true, 0, 0), kOne, extended(true, 0x3FFF, kJ), kTwo,
      extended(false, 0x3FFF, kJ | kJ >> 1),                           // 1.5
      extended(false, 0, 1), extended(true, 0, kJ - 1),                // denormals
      extended(false, 0, kJ), extended(false, 1, kJ),                  // pseudo-denormal == this
      extended(true, 0x7FFE, ~uint64_t{0}), kInfinity, extended(true, 0x7FFF, kJ),
      extended(false, 0x7FFF, kJ | kJ >> 1), extended(true, 0x7FFF, kJ | 1),  // QNaN, SNaN
      extended(false, 0x3FFF, kJ >> 1), extended(false, 0x7FFF, 0)};  // unnormal, pseudo-inf
  // All masked; invalid operation unmasked; denormal operand unmasked.
  for (uint16_t control : {0x037F, 0x037E, 0x037D}) {
    for (int form = 0; form < 8; form++) {
      const bool quiet = form & 1, pop = form & 2, emptyST1 = form & 4;
      for (const Extended& a : values) {
        for (const Extended& b : values) {
          uint32_t flags = 0;
          const p6emu_x87 expected = hardwareCompare(a, b, control, quiet, pop, emptyST1, flags);
          MadeUpMachine m;
          m.state.x87.control_word = control;
          m.loadStack({a, b});
          if (emptyST1) m.state.x87.tag_word |= 3u << 14;
          m.state.eflags = 0x202 | kCompareFlags;
          ASSERT_EQ(P6EMU_DONE, m.run({uint8_t(pop ? 0xDF : 0xDB), uint8_t(quiet ? 0xE9 : 0xF1)}));
          SCOPED_TRACE(testing::Message() << "form " << form << " control " << std::hex << control
                                          << " a " << (a[9] << 8 | a[8]) << " b " << (b[9] << 8 | b[8]));
          EXPECT_EQ(0x202 | flags, m.state.eflags);
          EXPECT_EQ(expected.status_word, m.state.x87.status_word);
          for (unsigned r = 0; r < 8; r++)  // empty or not; the other tag values are advisory
            EXPECT_EQ((expected.tag_word >> 2 * r & 3) == 3, (m.state.x87.tag_word >> 2 * r & 3) == 3);
          for (unsigned i : {0u, pop ? 7u : 1u})
            EXPECT_EQ(0, memcmp(expected.st[i], m.state.x87.st[i], 10)) << "ST(" << i << ")";
        }
      }
    }
  }
#else
  GTEST_SKIP() << "needs an x86 processor as the reference";
#endif
}

TEST(P6Compare, ClearsOverflowSignAndAuxiliaryAndWrapsTheTop) {
  MadeUpMachine m;
  m.loadStack({kOne, kTwo, kInfinity}, 7);
  m.state.eflags = 0x202 | kCompareFlags;
  ASSERT_EQ(P6EMU_DONE, m.run({0xDF, 0xEA}));  // fucomip st, st(2): less
  EXPECT_EQ(0x202 | P6EMU_CF, m.state.eflags);
  EXPECT_EQ(0u, m.top());
  EXPECT_EQ(0xFFF0, m.state.x87.tag_word);  // physical 0 and 1 held, 7 emptied
  EXPECT_EQ(kTwo, m.st(0));
  EXPECT_EQ(kInfinity, m.st(1));
  EXPECT_EQ(kOne, m.st(7));
  EXPECT_EQ(MadeUpMachine::kCode + 2, m.state.eip);
}

TEST(P6Compare, NeedsTheSavedFpuState) {
  MadeUpMachine m;
  m.loadStack({kOne, kTwo});
  m.state.valid = 0;
  EXPECT_EQ(P6EMU_UNSUPPORTED, m.run({0xDF, 0xF1}));
  EXPECT_EQ(P6EMU_UNSUPPORTED, m.run({0xDA, 0xC1}));
  EXPECT_EQ(MadeUpMachine::kCode, m.state.eip);
  EXPECT_EQ(6u, m.top());
}

TEST(P6Fcmov, EveryFormMovesOnItsConditionAndRetags) {
  // DA C0+8n: B E BE U; DB C0+8n: NB NE NBE NU, with CF, ZF, PF as in Jcc.
  const uint32_t taken[8] = {P6EMU_CF, P6EMU_ZF, P6EMU_ZF, P6EMU_PF, 0, 0, 0, 0};
  const uint32_t notTaken[8] = {0, 0, 0, 0, P6EMU_CF, P6EMU_ZF, P6EMU_CF, P6EMU_PF};
  for (unsigned n = 0; n < 8; n++) {
    for (bool moves : {true, false}) {
      MadeUpMachine m;
      m.loadStack({kOne, kTwo, kZero});
      m.state.eflags |= moves ? taken[n] : notTaken[n];
      ASSERT_EQ(P6EMU_DONE, m.run({uint8_t(n < 4 ? 0xDA : 0xDB), uint8_t(0xC2 + 8 * (n % 4))}));
      EXPECT_EQ(moves ? kZero : kOne, m.st(0)) << n;
      EXPECT_EQ(moves ? 1u : 0u, (m.state.x87.tag_word >> 12) & 3u) << n;  // zero retagged
    }
  }
  MadeUpMachine m;
  m.loadStack({kOne});
  EXPECT_EQ(P6EMU_UNSUPPORTED, m.run({0xDA, 0xC1}));  // from an empty register
}

}  // namespace
