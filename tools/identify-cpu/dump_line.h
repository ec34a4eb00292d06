#pragma once
// One input line of identify-cpu: a processor as a CPUID dump gives it, and a clock.
#include <cstdint>
#include <string>

namespace identify {

struct DumpLine {
  std::string vendor;  // as it stands, blanks kept; CPUID gives 12 bytes
  std::uint32_t maxLeaf = 0;
  std::uint32_t leaf1Eax = 0;
  std::uint32_t leaf1Edx = 0;
  int mhz = 0;  // 0 when the field is empty
};

// vendor<TAB>max_leaf_hex<TAB>leaf1_eax_hex<TAB>leaf1_edx_hex<TAB>mhz. Hex takes an optional
// 0x prefix. Returns false with a message saying what is wrong.
bool parseDumpLine(const std::string& line, DumpLine& out, std::string& error);

// The 12 bytes leaf 0 reports for a vendor field. A field of any other length is no vendor a
// processor can report, so it must name none: it is cut or padded with NUL bytes, which no
// known vendor holds.
std::string cpuidVendorBytes(const std::string& vendor);

}  // namespace identify
