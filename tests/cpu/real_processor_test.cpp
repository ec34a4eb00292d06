// The processor this test runs on: the real seam and every MMX operation, against values worked
// out by hand from the instruction set's published behaviour.
#include <gtest/gtest.h>

#include "cpu/pentium_mmx.h"
#include "cpu/x86_processor.h"

using cpu::TPentiumMMX;

TEST(RealProcessor, AnswersThroughTheSeam) {
  cpu::X86Processor processor;
  TPentiumMMX probe(processor);
  ASSERT_TRUE(probe.CpuIDsupport());
  const std::string vendor = probe.VendorString();
  EXPECT_EQ(vendor.size(), 12u);
  for (char c : vendor) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << vendor;
  EXPECT_EQ(probe.VendorString(), vendor);
  EXPECT_GE(processor.cpuid(0).eax, 1u);
  EXPECT_TRUE(probe.RDTSCsupport());
  EXPECT_TRUE(probe.MMXsupport());
  const std::uint64_t first = processor.rdtsc();
  const std::uint64_t second = processor.rdtsc();
  EXPECT_GT(second, first);
  EXPECT_LT(second - first, 1ull << 32);  // the low half is the fast-moving one
}

TEST(RealProcessor, EveryMmxOperation) {
  struct Case {
    cpu::TMmxOperation op;
    std::uint64_t a, b, expected;
  };
  const Case cases[] = {
      {cpu::mmxPAND, 0xF0F0FF0012345678, 0x0FF0F0F0FFFF0000, 0x00F0F00012340000},
      {cpu::mmxPANDN, 0xF0F0FF0012345678, 0x0FF0F0F0FFFF0000, 0x0F0000F0EDCB0000},
      {cpu::mmxPOR, 0xF0F0FF0012345678, 0x0FF0F0F0FFFF0000, 0xFFF0FFF0FFFF5678},
      {cpu::mmxPXOR, 0xF0F0FF0012345678, 0x0FF0F0F0FFFF0000, 0xFF000FF0EDCB5678},
      {cpu::mmxPSRLW, 0x8001400080000001, 1, 0x4000200040000000},
      {cpu::mmxPSRLW, 0x8001400080000001, 16, 0},
      {cpu::mmxPSRLD, 0x8001400080000001, 4, 0x0800140008000000},
      {cpu::mmxPSRLQ, 0x8001400080000001, 8, 0x0080014000800000},
      {cpu::mmxPSRLQ, 0x8001400080000001, 0x100000000, 0},
      {cpu::mmxPSRAW, 0x8001400080000001, 1, 0xC0002000C0000000},
      {cpu::mmxPSRAW, 0x8001400080000001, 16, 0xFFFF0000FFFF0000},
      {cpu::mmxPSRAD, 0x8001400080000001, 4, 0xF8001400F8000000},
      {cpu::mmxPSLLW, 0x8001400080000001, 1, 0x0002800000000002},
      {cpu::mmxPSLLD, 0x8001400080000001, 4, 0x0014000000000010},
      {cpu::mmxPSLLQ, 0x8001400080000001, 8, 0x0140008000000100},
      {cpu::mmxPCMPGTB, 0x01807F0005FF1020, 0x007F80000600101F, 0xFF00FF00000000FF},
      {cpu::mmxPCMPGTW, 0x01807F0005FF1020, 0x007F80000600101F, 0xFFFFFFFF0000FFFF},
      {cpu::mmxPCMPGTD, 0x0000000080000000, 0xFFFFFFFF7FFFFFFF, 0xFFFFFFFF00000000},
      {cpu::mmxPCMPEQB, 0x01807F0005FF1020, 0x007F80000600101F, 0x000000FF0000FF00},
      {cpu::mmxPCMPEQW, 0x123456789ABCDEF0, 0x123400009ABC0000, 0xFFFF0000FFFF0000},
      {cpu::mmxPCMPEQD, 0x123456789ABCDEF0, 0x123456780000DEF0, 0xFFFFFFFF00000000},
      {cpu::mmxPACKSSWB, 0x8000007F0080FFFF, 0x0001FF80FF7F0000, 0x01808000807F7FFF},
      {cpu::mmxPACKSSDW, 0x00008000FFFF7FFF, 0x00000005FFFFFFFB, 0x0005FFFB7FFF8000},
      {cpu::mmxPACKUSWB, 0x8000007F0080FFFF, 0x0001FF80FF7F0000, 0x01000000007F8000},
      {cpu::mmxPUNPCKLBW, 0x8786858483828180, 0x0706050403020100, 0x0383028201810080},
      {cpu::mmxPUNPCKLWD, 0x8786858483828180, 0x0706050403020100, 0x0302838201008180},
      {cpu::mmxPUNPCKLDQ, 0x8786858483828180, 0x0706050403020100, 0x0302010083828180},
      {cpu::mmxPUNPCKHBW, 0x8786858483828180, 0x0706050403020100, 0x0787068605850484},
      {cpu::mmxPUNPCKHWD, 0x8786858483828180, 0x0706050403020100, 0x0706878605048584},
      {cpu::mmxPUNPCKHDQ, 0x8786858483828180, 0x0706050403020100, 0x0706050487868584},
      {cpu::mmxPADDUSB, 0x7F80FF010010F0FF, 0x01FF01FF00F02001, 0x80FFFFFF00FFFFFF},
      {cpu::mmxPADDUSW, 0x7FFF8000FFFF0001, 0x0001FFFF0002FFFF, 0x8000FFFFFFFFFFFF},
      {cpu::mmxPADDSB, 0x7F80FF010010F0FF, 0x01FF01FF00F02001, 0x7F80000000001000},
      {cpu::mmxPADDSW, 0x7FFF8000FFFF0001, 0x0001FFFF0002FFFF, 0x7FFF800000010000},
      {cpu::mmxPADDB, 0x7F80FF010010F0FF, 0x01FF01FF00F02001, 0x807F000000001000},
      {cpu::mmxPADDW, 0x7FFF8000FFFF0001, 0x0001FFFF0002FFFF, 0x80007FFF00010000},
      {cpu::mmxPADDD, 0x7FFF8000FFFF0001, 0x0001FFFF0002FFFF, 0x80017FFF00020000},
      {cpu::mmxPSUBUSB, 0x00807F1005FF0180, 0x0101FF200501FF7F, 0x007F000000FE0001},
      {cpu::mmxPSUBUSW, 0x000080007FFF1234, 0x00010001FFFF1234, 0x00007FFF00000000},
      {cpu::mmxPSUBSB, 0x00807F1005FF0180, 0x0101FF200501FF7F, 0xFF807FF000FE0280},
      {cpu::mmxPSUBSW, 0x000080007FFF1234, 0x00010001FFFF1234, 0xFFFF80007FFF0000},
      {cpu::mmxPSUBB, 0x00807F1005FF0180, 0x0101FF200501FF7F, 0xFF7F80F000FE0201},
      {cpu::mmxPSUBW, 0x000080007FFF1234, 0x00010001FFFF1234, 0xFFFF7FFF80000000},
      {cpu::mmxPSUBD, 0x000080007FFF1234, 0x00010001FFFF1234, 0xFFFF7FFF80000000},
      {cpu::mmxPMULLW, 0x80007FFF0100FFFF, 0x8000000201000003, 0x0000FFFE0000FFFD},
      {cpu::mmxPMULHW, 0x80007FFF0100FFFF, 0x8000000201000003, 0x400000000001FFFF},
      {cpu::mmxPMADDWD, 0x80007FFF0100FFFF, 0x8000000201000003, 0x4000FFFE0000FFFD},
  };
  bool seen[cpu::kLastMmxOperation + 1] = {};
  for (const Case& c : cases) {
    seen[c.op] = true;
    EXPECT_EQ(TPentiumMMX::MmxOperate(c.op, c.a, c.b), c.expected)
        << "operation " << int(c.op) << std::hex << " A=" << c.a << " B=" << c.b;
  }
  for (int op = 1; op <= cpu::kLastMmxOperation; ++op) EXPECT_TRUE(seen[op]) << op;

  for (int op : {0, 45, 200, 255})
    EXPECT_EQ(TPentiumMMX::MmxOperate(cpu::TMmxOperation(op), ~0ull, ~0ull), 0u) << op;
  // The operations' own edge cases: 0xFF + 0x01 wraps to 0x00, or saturates to 0xFF.
  EXPECT_EQ(TPentiumMMX::MmxOperate(cpu::mmxPADDB, 0x11FF, 0x0101), 0x1200u);
  EXPECT_EQ(TPentiumMMX::MmxOperate(cpu::mmxPADDUSB, 0x11FF, 0x0101), 0x12FFu);

  // EMMS afterwards: the x87 unit still computes (long double is x87 on both targets).
  volatile long double x = 1.25L;
  EXPECT_EQ(x * 3, 3.75L);
}
