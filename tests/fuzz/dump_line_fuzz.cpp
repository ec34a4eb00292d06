// identify-cpu's input lines, any bytes: read strictly, and a line read once reads the same when
// written out again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "dump_line.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  identify::DumpLine line;
  std::string error;
  if (!identify::parseDumpLine(text, line, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(line.mhz >= 0);
  // Whatever the field's length, the processor stand-in gets exactly the 12 bytes leaf 0 has,
  // and a 12-byte field goes through unchanged.
  const std::string bytes = identify::cpuidVendorBytes(line.vendor);
  FUZZ_CHECK(bytes.size() == 12);
  if (line.vendor.size() == 12) FUZZ_CHECK(bytes == line.vendor);
  char fields[64];
  std::snprintf(fields, sizeof fields, "\t%X\t0x%08x\t%X\t%d", static_cast<unsigned>(line.maxLeaf),
                static_cast<unsigned>(line.leaf1Eax), static_cast<unsigned>(line.leaf1Edx),
                line.mhz);
  identify::DumpLine again;
  FUZZ_CHECK(identify::parseDumpLine(line.vendor + fields, again, error));
  FUZZ_CHECK(again.vendor == line.vendor && again.maxLeaf == line.maxLeaf &&
             again.leaf1Eax == line.leaf1Eax && again.leaf1Edx == line.leaf1Edx &&
             again.mhz == line.mhz);
  return 0;
}
