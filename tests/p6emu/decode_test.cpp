// Decoding: prefixes, every addressing form, instruction lengths, and what is not ours.
#include <gtest/gtest.h>

#include "made_up_machine.h"

namespace {

TEST(P6Decode, EveryAddressingForm) {
  MadeUpMachine m;
  const uint32_t registers[8] = {0x1000, 0x20, 0x3, 0xFFF0, 0x60000, 0x70000, 0x30, 0x8};
  for (int r = 0; r < 8; r++) m.state.reg[r] = registers[r];
  m.state.fs_base = 0x7FFDE000;
  m.state.valid |= P6EMU_HAVE_FS_BASE;
  const struct {
    std::initializer_list<uint8_t> code;  // cmovne ecx, <source>
    uint32_t address;
    unsigned length;
  } cases[] = {
      {{0x0F, 0x45, 0x08}, 0x1000, 3},                                    // [eax]
      {{0x0F, 0x45, 0x0D, 0x44, 0x33, 0x22, 0x11}, 0x11223344, 7},        // [disp32]
      {{0x0F, 0x45, 0x4D, 0xF8}, 0x6FFF8, 4},                             // [ebp-8]
      {{0x0F, 0x45, 0x8E, 0x00, 0x01, 0x00, 0x00}, 0x130, 7},             // [esi+0x100]
      {{0x0F, 0x45, 0x0C, 0x88}, 0x1080, 4},                              // [eax+ecx*4]
      {{0x0F, 0x45, 0x4C, 0x24, 0x08}, 0x60008, 5},                       // [esp+8]
      {{0x0F, 0x45, 0x0C, 0xD5, 0x10, 0x00, 0x00, 0x00}, 0x28, 8},        // [edx*8+0x10]
      {{0x0F, 0x45, 0x4C, 0x75, 0xFC}, 0x7005C, 5},                       // [ebp+esi*2-4]
      {{0x0F, 0x45, 0x8C, 0x4F, 0x00, 0x00, 0x01, 0x00}, 0x10048, 8},     // [edi+ecx*2+0x10000]
      {{0x64, 0x0F, 0x45, 0x0D, 0x18, 0x00, 0x00, 0x00}, 0x7FFDE018, 8},  // fs:[0x18]
      {{0x3E, 0x2E, 0x0F, 0x45, 0x08}, 0x1000, 5},                        // ds: cs: [eax]
      {{0x67, 0x0F, 0x45, 0x08}, 0x0020, 4},                              // [bx+si], wraps
      {{0x67, 0x0F, 0x45, 0x4E, 0xFE}, 0xFFFE, 5},                        // [bp-2], wraps
      {{0x67, 0x0F, 0x45, 0x0E, 0x34, 0x12}, 0x1234, 6},                  // [disp16]
      {{0x67, 0x0F, 0x45, 0x8D, 0x00, 0x01}, 0x0108, 6},                  // [di+0x100]
  };
  for (const auto& c : cases) {
    p6emu_instruction in{};
    ASSERT_EQ(P6EMU_DONE, m.decode(c.code, in)) << std::hex << c.address;
    EXPECT_TRUE(in.source_is_memory);
    EXPECT_EQ(c.address, in.address);
    EXPECT_EQ(c.length, in.length) << std::hex << c.address;
    EXPECT_EQ(unsigned(P6EMU_ECX), in.reg);
    EXPECT_EQ(5u, in.condition);
  }
}

TEST(P6Decode, LeavesOtherInstructionsAlone) {
  MadeUpMachine m;
  p6emu_instruction in{};
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0xF0, 0x0F, 0x44, 0xC8}, in));  // LOCK: invalid everywhere
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0xF3, 0x0F, 0x44, 0xC8}, in));
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0x0F, 0x0B}, in));                // ud2
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0x0F, 0x1F, 0x00}, in));          // long nop
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0xDA, 0xE9}, in));                // fucompp
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0xDB, 0x00}, in));                // fild dword [eax]
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0xDF, 0xE0}, in));                // fnstsw ax
  ASSERT_EQ(P6EMU_DONE, m.decode({0x66, 0xDF, 0xEA}, in));  // fucomip st, st(2): prefix ignored
  EXPECT_EQ(3u, in.length);
  EXPECT_EQ(P6EMU_UNSUPPORTED, m.decode({0x65, 0x0F, 0x44, 0x00}, in));  // gs: base unknown
}

TEST(P6Decode, FifteenBytesAtMostAndUnreadableBytes) {
  MadeUpMachine m;
  p6emu_instruction in{};
  EXPECT_EQ(P6EMU_DONE, m.decode({0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66,
                                  0x66, 0x66, 0x0F, 0x44, 0xC8}, in));
  EXPECT_EQ(15u, in.length);
  EXPECT_EQ(2u, in.operand_size);
  EXPECT_EQ(P6EMU_NOT_P6, m.decode({0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66,
                                    0x66, 0x66, 0x66, 0x0F, 0x44, 0xC8}, in));
  m.memory.clear();
  EXPECT_EQ(P6EMU_UNREADABLE, m.decode({}, in));
  EXPECT_EQ(P6EMU_UNREADABLE, m.decode({0x0F, 0x45, 0x0D, 0x44, 0x33}, in));  // disp32 cut off
}

}  // namespace
