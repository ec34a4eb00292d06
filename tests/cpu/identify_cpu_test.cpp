// The identification's two passes, seen through the controls they write: what the dump table
// cannot show (clock sequences, fields keeping earlier texts, marks without their flags).
#include <gtest/gtest.h>

#include <tuple>

#include "page_rig.h"

TEST(Identify, ClockDependentIntelRowsWaitForTheSystemPage) {
  PageRig rig;
  rig.use("GenuineIntel", 0x652, 0x0183F9FF);
  rig.comwrite.setEnabled(false);
  rig.DNow.setChecked(true);
  rig.startUp();
  EXPECT_EQ(rig.page.Label62.caption() + "|" + rig.Label38.caption(), "Unknown CPU|Unknown");
  EXPECT_TRUE(rig.comwrite.enabled());
  EXPECT_FALSE(rig.DNow.enabled());
  EXPECT_TRUE(rig.DNow.checked());  // availability only, never the checked state
  const std::pair<int, const char*> steps[] = {
      {265, "Unknown CPU"}, {280, "Celeron Processor with MMX tech."},
      {281, "PentiumII/PentiumII Xeon/Celeron Processor with MMX tech."},
      {265, "PentiumII/PentiumII Xeon/Celeron Processor with MMX tech."}};
  for (const auto& [mhz, name] : steps) {
    rig.showAt(mhz);
    EXPECT_EQ(rig.page.Label62.caption(), name) << mhz;
  }
  EXPECT_EQ(rig.Label38.caption() + "|" + rig.page.Label40.caption(), "Unknown|Unknown");
}

TEST(Identify, CyrixFamilySixNameAndDetailFollowTheClockSeparately) {
  PageRig rig;
  rig.use("CyrixInstead", 0x600, 0x0080A135);
  // Each boundary of both groups, in a sequence where "unchanged" shows the previous text.
  const std::tuple<int, const char*, const char*> steps[] = {
      {218, "Cyrix 6x86MX Processor", "ＭII PR300GP [2.8v 66x3.5 0.25μ]"},
      {280, "Cyrix ＭII Processor", "ＭII PR300GP [2.8v 66x3.5 0.25μ]"},
      {100, "Cyrix 6x86MX Processor", "6x86MX PR166GP [2.9v 60x2.5 0.35μ]"},
      {151, "Cyrix 6x86MX Processor", "6x86MX PR200GP [2.9v 66x2.5 0.35μ]"},
      {193, "Cyrix 6x86MX Processor", "6x86MX PR233GP [2.9v 75x2.5 0.35μ]"},
      {194, "Cyrix 6x86MX Processor", "6x86MX PR233GP [2.9v 66x3 0.35μ]"},
      {215, "Cyrix 6x86MX Processor", "6x86MX PR266GP [2.9v 83x2.5 0.35μ]"},
      {216, "Cyrix 6x86MX Processor", "ＭII PR300GP [2.8v 66x3.5 0.25μ]"},
      {238, "Cyrix ＭII Processor", "ＭII PR333GP [2.8v 83x3 0.25μ]"},
      {250, "Cyrix ＭII Processor", "ＭII PR333GP [2.8v 83x3 0.25μ]"},
      {311, "Cyrix ＭII Processor", "ＭII PR350GP [2.8v 100x3 0.25μ]"},
      {411, "Cyrix ＭII Processor", "ＭII PR350GP [2.8v 100x3 0.25μ]"},
      {220, "Cyrix 6x86MX Processor", "ＭII PR300GP [2.8v 66x3.5 0.25μ]"},
      {361, "Cyrix 6x86MX Processor", "ＭII PR400GP [2.8v 100x3.5 0.25μ]"},
      {99, "Cyrix 6x86MX Processor", "ＭII PR400GP [2.8v 100x3.5 0.25μ]"}};
  for (const auto& [mhz, name, detail] : steps) {
    rig.showAt(mhz);
    EXPECT_EQ(rig.page.Label62.caption(), name) << mhz;
    EXPECT_EQ(rig.page.Label71.caption(), detail) << mhz;
  }
}

TEST(Identify, FieldsNoRowSetsKeepWhatTheyShowed) {
  PageRig celeron;  // family 6, model 6, stepping 1: a name and nothing else
  celeron.use("GenuineIntel", 0x661);
  celeron.page.Label71.setCaption("earlier detail");
  celeron.Label38.setCaption("Slot1 / Slot2");
  celeron.startUp();
  EXPECT_EQ(celeron.page.Label62.caption(), "Celeron Processor (with L2-128KB)");
  EXPECT_EQ(celeron.page.Label71.caption() + "|" + celeron.Label38.caption(),
            "earlier detail|Slot1 / Slot2");

  // AMD family 6 model 2 and Centaur model 8 stepping 6 match nothing: boxes stay as they were.
  for (const auto& [vendor, eax] : {std::pair{"AuthenticAMD", 0x622}, {"CentaurHauls", 0x586}}) {
    PageRig rig;
    rig.use(vendor, eax);
    rig.comwrite.setEnabled(false);
    rig.startUp();
    EXPECT_EQ(rig.page.Label62.caption() + "|" + rig.Label38.caption(), "Unknown CPU|Unknown");
    EXPECT_FALSE(rig.comwrite.enabled()) << vendor;
    EXPECT_TRUE(rig.DNow.enabled()) << vendor;
  }
}

TEST(Identify, FamilyWideDetailMarksAndVendorRules) {
  PageRig merced;  // Intel family 7: the family's detail, in both passes
  merced.use("GenuineIntel", 0x722);
  merced.startUp();
  EXPECT_EQ(merced.page.Label71.caption() + "|" + merced.Label38.caption(),
            "(Merced) [0.18μ]|SlotM?");
  merced.use("GenuineIntel", 0x711);
  merced.page.Label71.setCaption("");
  merced.showAt(800);
  EXPECT_EQ(merced.page.Label62.caption() + "|" + merced.page.Label71.caption(),
            "Merced ?|(Merced) [0.18μ]");

  PageRig winchip;  // Centaur: the family is not looked at
  winchip.use("CentaurHauls", 0xF41);
  winchip.startUp();
  EXPECT_EQ(winchip.page.Label62.caption(), "WinChip C6 Processor");

  PageRig katmai;  // marks show "搭載" in navy even when the flag is clear
  katmai.use("GenuineIntel", 0x673, 0x0080F9FF);
  katmai.showAt(450);
  EXPECT_EQ(katmai.page.Label83.caption(), "搭載");
  EXPECT_EQ(katmai.page.Label83.colour(), ui::kNavy);
  PageRig k62;
  k62.use("AuthenticAMD", 0x580, 0x008001BF);
  k62.showAt(450);
  EXPECT_EQ(k62.page.Label82.colour(), ui::kNavy);

  EXPECT_EQ(cpu::VendorShortName(k62.PentiumMMX1), "AMD");
  k62.use("RiseRiseRise", 0x504);
  EXPECT_EQ(cpu::VendorShortName(k62.PentiumMMX1), "Rise");
  EXPECT_EQ(k62.world.processor.cpuidCalls, 5);  // the vendor is asked for each comparison
}
