// The probe over a replayed CPUID record, and its arithmetic helpers.
#include <gtest/gtest.h>

#include <functional>

#include "cpu/pentium_mmx.h"
#include "fakes.h"

using cpu::TPentiumMMX;
using cpu::TTimeStamp64;
using doubles::RecordedProcessor;

TEST(Probe, LeafOneFieldsAndFeatureBits) {
  RecordedProcessor p = RecordedProcessor::from("GenuineIntel", 2, 0x683, 0);
  TPentiumMMX probe(p);
  EXPECT_EQ(probe.Family() * 100 + probe.Model() * 10 + probe.SteppingID(), 683);
  p = RecordedProcessor::from("AuthenticAMD", 0x10, 0x00A20F12, 0x178BFBFF);  // extended fields
  EXPECT_EQ(probe.Family() * 100 + probe.Model() * 10 + probe.SteppingID(), 1512);
  p = RecordedProcessor::from("GenuineIntel", 1, 0x1532, 0);  // processor-type bits set
  EXPECT_EQ(probe.Family() * 100 + probe.Model() * 10 + probe.SteppingID(), 532);

  // Each feature test reads its own bit of the flags, and only that one.
  auto features = [&] {
    return std::string(probe.RDTSCsupport() ? "T" : "-") + (probe.MMXsupport() ? "M" : "-") +
           (probe.AMDsupport() ? "3" : "-") + (probe.SSIMDsupport() ? "S" : "-");
  };
  const std::pair<std::uint32_t, const char*> flags[] = {
      {0x10, "T---"}, {0x800000, "-M--"}, {0x80000000u, "--3-"}, {0x2000000, "---S"},
      {0x008001BF, "TM--"}};  // the last: a K6-2, whose 3DNow! shows only in an extended leaf
  for (const auto& [edx, expected] : flags) {
    p.leaves[1].edx = edx;
    EXPECT_EQ(features(), expected) << std::hex << edx;
  }
}

TEST(Probe, VendorIsTwelveBytesAskedAgainAtEveryRead) {
  RecordedProcessor p = RecordedProcessor::from("SiS SiS SiS ", 1, 0x505, 0);
  TPentiumMMX probe(p);
  EXPECT_EQ(probe.VendorString(), "SiS SiS SiS ");
  EXPECT_EQ(probe.VendorString(), "SiS SiS SiS ");
  EXPECT_EQ(p.cpuidCalls, 2);
  p = RecordedProcessor::from("CyrixInstead", 1, 0x600, 0);
  EXPECT_EQ(probe.VendorString(), "CyrixInstead");
  EXPECT_EQ(probe.Model(), 0);
}

TEST(Probe, WithoutCpuidNothingExecutesIt) {
  RecordedProcessor p = RecordedProcessor::from("GenuineIntel", 1, 0x543, 0xFFFFFFFF);
  p.hasCpuid = false;  // the double throws if CPUID runs
  TPentiumMMX probe(p);
  EXPECT_FALSE(probe.CpuIDsupport());
  EXPECT_EQ(probe.VendorString(), "");
  EXPECT_FALSE(probe.RDTSCsupport() || probe.MMXsupport() || probe.AMDsupport() ||
               probe.SSIMDsupport());
  EXPECT_EQ(probe.Family() + probe.Model() + probe.SteppingID() + probe.FeatureFlags(), 0u);
  EXPECT_EQ(p.cpuidCalls, 0);
}

TEST(Probe, MissingLeafOneReadsZeroOrRaisesWhenErrorsAreEnabled) {
  RecordedProcessor p = RecordedProcessor::from("GenuineIntel", 0, 0x543, 0xFFFFFFFF);
  TPentiumMMX probe(p);
  EXPECT_FALSE(probe.ErrorEnable());
  EXPECT_EQ(probe.Family(), 0);
  EXPECT_EQ(probe.FeatureFlags(), 0u);
  EXPECT_EQ(p.cpuidCalls, 2);  // leaf 0 each time, never leaf 1
  p.leaves[0].eax = 0x80000001u;  // negative as a signed number: no leaf 1 either
  EXPECT_EQ(probe.Model(), 0);

  probe.setErrorEnable(true);
  const std::pair<std::function<void()>, const char*> reads[] = {
      {[&] { probe.SteppingID(); }, "CPU not supported SteppingID"},
      {[&] { probe.Model(); }, "CPU not supported Model"},
      {[&] { probe.Family(); }, "CPU not supported Family"},
      {[&] { probe.FeatureFlags(); }, "CPU not supported FeatureFlags"},
      {[&] { probe.MMXsupport(); }, "CPU not supported FeatureFlags"}};
  for (const auto& read : reads) {
    try {
      read.first();
      ADD_FAILURE() << "no error for " << read.second;
    } catch (const cpu::EPentiumMMXError& e) {
      EXPECT_STREQ(e.what(), read.second);
      EXPECT_EQ(e.ErrorCode, 65537);
    }
  }
}

TEST(Probe, TimeStampHalvesComeFromSeparateReadingsUnlessReadTogether) {
  RecordedProcessor p;
  p.counterReadings = {0x1FFFFFFFFull, 0x200000000ull, 0x3FFFFFFFEull};
  TPentiumMMX probe(p);
  EXPECT_EQ(probe.TimeStampHigh(), 1);
  EXPECT_EQ(probe.TimeStampLow(), 0);  // the counter carried between the two reads
  const TTimeStamp64 both = probe.ReadTimeStamp();
  EXPECT_EQ(both.High, 3u);
  EXPECT_EQ(both.Low, 0xFFFFFFFEu);
  EXPECT_EQ(probe.TimeStampLow(), -2);
}

TEST(Intervals, WrapAroundDifferences) {
  EXPECT_EQ(TPentiumMMX::Interval32(5, 0xFFFFFFFBu), 10u);
  EXPECT_EQ(TPentiumMMX::Interval32(0x10000, 0xFFFF), 1u);
  EXPECT_EQ(TPentiumMMX::Interval32(77, 77), 0u);
  TTimeStamp64 r = TPentiumMMX::Interval64({1, 0}, {0, 0xFFFFFFFFu});
  EXPECT_EQ(r.High, 0u);
  EXPECT_EQ(r.Low, 1u);
  r = TPentiumMMX::Interval64({0, 0}, {0, 1});
  EXPECT_EQ(r.High, 0xFFFFFFFFu);
  EXPECT_EQ(r.Low, 0xFFFFFFFFu);
  r = TPentiumMMX::Interval64({0x12345678, 0x00010000}, {0x00000001, 0x0001FFFF});
  EXPECT_EQ(r.High, 0x12345676u);
  EXPECT_EQ(r.Low, 0xFFFF0001u);
}
