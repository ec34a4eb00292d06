#pragma once
// TPentiumMMX: what the processor says about itself (CPUID leaves 0 and 1, the time-stamp counter)
// and a few arithmetic helpers, asked afresh at every read through the processor seam.
#include <cstdint>
#include <string>

#include "platform/errors.h"
#include "platform/seams.h"

namespace cpu {

// Raised by the leaf-1 properties when ErrorEnable is on and the processor has no leaf 1.
class EPentiumMMXError : public platform::UserError {
 public:
  static constexpr std::int32_t kNotSupported = 65537;  // 0x10001
  explicit EPentiumMMXError(const std::string& message)
      : platform::UserError(message), ErrorCode(kNotSupported) {}
  std::int32_t ErrorCode;
};

// A 64-bit counter value, the high word first: the system page keeps its readings this way.
struct TTimeStamp64 {
  std::uint32_t High = 0;  // bits 63-32
  std::uint32_t Low = 0;   // bits 31-0
};

// One MMX operand or result: 64 bits.
using TMmxOperand = std::uint64_t;

// The MMX instruction MmxOperate applies; any other byte value (0, 45..255) does nothing.
enum TMmxOperation : std::uint8_t {
  mmxNone = 0,
  mmxPAND = 1, mmxPANDN, mmxPOR, mmxPXOR,
  mmxPSRLW = 5, mmxPSRLD, mmxPSRLQ, mmxPSRAW, mmxPSRAD, mmxPSLLW, mmxPSLLD, mmxPSLLQ,
  mmxPCMPGTB = 13, mmxPCMPGTW, mmxPCMPGTD, mmxPCMPEQB, mmxPCMPEQW, mmxPCMPEQD,
  mmxPACKSSWB = 19, mmxPACKSSDW, mmxPACKUSWB,
  mmxPUNPCKLBW = 22, mmxPUNPCKLWD, mmxPUNPCKLDQ, mmxPUNPCKHBW, mmxPUNPCKHWD, mmxPUNPCKHDQ,
  mmxPADDUSB = 28, mmxPADDUSW, mmxPADDSB, mmxPADDSW, mmxPADDB, mmxPADDW, mmxPADDD,
  mmxPSUBUSB = 35, mmxPSUBUSW, mmxPSUBSB, mmxPSUBSW, mmxPSUBB, mmxPSUBW, mmxPSUBD,
  mmxPMULLW = 42, mmxPMULHW, mmxPMADDWD,
};
constexpr int kLastMmxOperation = mmxPMADDWD;

class TPentiumMMX {
 public:
  explicit TPentiumMMX(platform::ProcessorQuery& processor) : processor_(processor) {}

  // When on, the leaf-1 properties raise EPentiumMMXError on a processor without leaf 1. The
  // program leaves it off.
  bool ErrorEnable() const { return errorEnable_; }
  void setErrorEnable(bool on) { errorEnable_ = on; }

  bool CpuIDsupport();
  bool RDTSCsupport();
  bool MMXsupport();
  bool AMDsupport();    // bit 31 of the standard flags; shown to the user as 3DNow!!
  bool SSIMDsupport();  // streaming SIMD extensions

  // The 12 bytes of leaf 0 (EBX, EDX, ECX); empty when the processor has no CPUID, so that it
  // names no known vendor.
  std::string VendorString();
  // Leaf 1. Without CPUID or leaf 1 (and ErrorEnable off) they read 0, which names no
  // processor of the identification table.
  std::uint8_t SteppingID();
  std::uint8_t Model();
  std::uint16_t Family();  // the plain 4-bit field: a family-15 processor reads 15
  std::uint32_t FeatureFlags();

  // Each one executes its own RDTSC, so the two halves can come from different moments.
  std::int32_t TimeStampHigh();
  std::int32_t TimeStampLow();
  // Both halves from one RDTSC: a carry between two reads cannot tear the value.
  TTimeStamp64 ReadTimeStamp();

  static std::uint32_t Interval32(std::uint32_t A, std::uint32_t B);
  static TTimeStamp64 Interval64(const TTimeStamp64& A, const TTimeStamp64& B);
  // A op= B on the real MMX unit, with EMMS before and after.
  static TMmxOperand MmxOperate(TMmxOperation Op, const TMmxOperand& A, const TMmxOperand& B);

 private:
  enum class Leaf1Field { SteppingID, Model, Family, FeatureFlags };
  // Leaf 1 EAX and EDX, or nothing when there is no leaf 1 to ask (raises if ErrorEnable).
  bool readLeaf1(Leaf1Field field, platform::CpuidResult& out);
  bool featureBit(std::uint32_t mask);

  platform::ProcessorQuery& processor_;
  bool errorEnable_ = false;
};

}  // namespace cpu
