#pragma once
// The processor seam on the real processor: the id-flag test, CPUID and RDTSC by inline assembly,
// for 32-bit and 64-bit x86 builds alike.
#include "platform/seams.h"

namespace cpu {

class X86Processor : public platform::ProcessorQuery {
 public:
  bool idFlagToggles() override;
  // Callers ask only after idFlagToggles() said yes: on a processor without CPUID the
  // instruction faults.
  platform::CpuidResult cpuid(std::uint32_t leaf) override;
  std::uint64_t rdtsc() override;
};

}  // namespace cpu
