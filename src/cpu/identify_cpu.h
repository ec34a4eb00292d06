#pragma once
// IdentifyCpu: from the probe's answers to the name, detail line, platform label and the
// availability of the two processor-specific driver options.
#include <optional>
#include <string>

#include "cpu/pentium_mmx.h"

namespace cpu {

enum class IdentifyPass {
  StartUpPass,     // once, when the main window is first shown
  SystemPagePass,  // at every showing of the system page, after its clock measurement
};

// What a pass decided. An empty field was not set by the matching row and must keep whatever
// its control showed before.
struct CpuIdentity {
  std::optional<std::string> CpuName;
  std::optional<std::string> CpuDetail;
  std::optional<std::string> PlatformLabel;
  std::optional<bool> WriteCombiningEnabled;
  std::optional<bool> ThreeDNowEnabled;
  bool ThreeDNowMark = false;  // when set, the 3DNow!! field shows "搭載" in navy
  bool SimdMark = false;       // the same for the streaming SIMD field
};

// `measuredMHz` is the last measured clock in whole MHz, 0 before any measurement.
CpuIdentity IdentifyCpu(IdentifyPass pass, TPentiumMMX& probe, int measuredMHz);

// "Intel", "AMD", "Cyrix", "IDT", "Rise", or "未定義" for any other vendor text.
std::string VendorShortName(TPentiumMMX& probe);

}  // namespace cpu
