// identify-cpu's input lines: what it accepts and what it refuses.
#include <gtest/gtest.h>

#include "dump_line.h"

using identify::DumpLine;
using identify::parseDumpLine;

TEST(DumpLine, AcceptsDumpFieldsAsTheyStand) {
  DumpLine line;
  std::string error;
  ASSERT_TRUE(parseDumpLine("SiS SiS SiS \t0x1\t00000505\t0X00800111\t", line, error)) << error;
  EXPECT_EQ(line.vendor, "SiS SiS SiS ");
  EXPECT_EQ(line.maxLeaf, 1u);
  EXPECT_EQ(line.leaf1Eax, 0x505u);
  EXPECT_EQ(line.leaf1Edx, 0x00800111u);
  EXPECT_EQ(line.mhz, 0);
  ASSERT_TRUE(parseDumpLine("GenuineIntel\td\tffffffff\tBfEbFbFf\t3400", line, error)) << error;
  EXPECT_EQ(line.maxLeaf, 13u);
  EXPECT_EQ(line.leaf1Eax, 0xFFFFFFFFu);
  EXPECT_EQ(line.leaf1Edx, 0xBFEBFBFFu);
  EXPECT_EQ(line.mhz, 3400);
}

TEST(DumpLine, RefusesWhatItCannotReadAndSaysWhy) {
  const std::pair<const char*, const char*> bad[] = {
      {"GenuineIntel\t1\t543\t8003BF", "expected 5"},
      {"GenuineIntel\t1\t543\t8003BF\t200\textra", "expected 5"},
      {"GenuineIntel\t0x\t543\t8003BF\t200", "max_leaf must be 1 to 8"},
      {"GenuineIntel\t1\t100000000\t8003BF\t200", "leaf1_eax must be 1 to 8"},
      {"GenuineIntel\t1\t543\t80G3BF\t200", "leaf1_edx is not hexadecimal"},
      {"GenuineIntel\t1\t543\t8003BF\t-5", "whole number"},
      {"GenuineIntel\t1\t543\t8003BF\t2147483648", "too large"},
  };
  for (const auto& [text, why] : bad) {
    DumpLine line;
    line.mhz = 7;
    std::string error;
    EXPECT_FALSE(parseDumpLine(text, line, error)) << text;
    EXPECT_NE(error.find(why), std::string::npos) << text << ": " << error;
    EXPECT_EQ(line.mhz, 7) << text;  // nothing half-read is left behind
  }
}

TEST(DumpLine, AVendorOfAnyLengthIsTakenAndOnlyTwelveBytesCanNameAVendor) {
  DumpLine line;
  std::string error;
  for (const char* vendor : {"", "Cyrix", "Genuine Intel", "GenuineIntelGenuineIntel"}) {
    ASSERT_TRUE(parseDumpLine(std::string(vendor) + "\t1\t543\t8003BF\t200", line, error))
        << vendor << ": " << error;
    EXPECT_EQ(line.vendor, vendor);
    const std::string bytes = identify::cpuidVendorBytes(line.vendor);
    EXPECT_EQ(bytes.size(), 12u) << vendor;
    EXPECT_NE(bytes.find('\0'), std::string::npos) << vendor << " could pass for a vendor";
  }
  EXPECT_EQ(identify::cpuidVendorBytes("GenuineIntel"), "GenuineIntel");
}
