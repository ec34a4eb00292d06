// The probe's properties: nothing is remembered, every read asks the processor again.
#include "cpu/pentium_mmx.h"

namespace cpu {

namespace {

constexpr std::uint32_t kTscBit = 0x10;
constexpr std::uint32_t kMmxBit = 0x800000;
constexpr std::uint32_t k3DNowBit = 0x80000000u;
constexpr std::uint32_t kSimdBit = 0x2000000;

const char* notSupportedMessage(int field) {
  static const char* const messages[] = {
      "CPU not supported SteppingID", "CPU not supported Model", "CPU not supported Family",
      "CPU not supported FeatureFlags"};
  return messages[field];
}

void appendRegister(std::string& text, std::uint32_t value) {
  for (int byte = 0; byte < 4; ++byte) text.push_back(static_cast<char>((value >> (8 * byte)) & 0xFF));
}

}  // namespace

bool TPentiumMMX::CpuIDsupport() { return processor_.idFlagToggles(); }

bool TPentiumMMX::featureBit(std::uint32_t mask) {
  // Without CPUID the flags are not even asked for: the instruction would fault.
  if (!CpuIDsupport()) return false;
  return (FeatureFlags() & mask) != 0;
}

bool TPentiumMMX::RDTSCsupport() { return featureBit(kTscBit); }
bool TPentiumMMX::MMXsupport() { return featureBit(kMmxBit); }
bool TPentiumMMX::AMDsupport() { return featureBit(k3DNowBit); }
bool TPentiumMMX::SSIMDsupport() { return featureBit(kSimdBit); }

std::string TPentiumMMX::VendorString() {
  if (!CpuIDsupport()) return std::string();
  const platform::CpuidResult leaf0 = processor_.cpuid(0);
  std::string vendor;
  vendor.reserve(12);
  appendRegister(vendor, leaf0.ebx);
  appendRegister(vendor, leaf0.edx);
  appendRegister(vendor, leaf0.ecx);
  return vendor;
}

bool TPentiumMMX::readLeaf1(Leaf1Field field, platform::CpuidResult& out) {
  // The highest leaf is compared as a signed number, so a garbage value with the top bit set
  // counts as "no leaf 1" rather than as a huge leaf number.
  const bool available =
      CpuIDsupport() && static_cast<std::int32_t>(processor_.cpuid(0).eax) >= 1;
  if (!available) {
    if (errorEnable_) throw EPentiumMMXError(notSupportedMessage(static_cast<int>(field)));
    return false;
  }
  out = processor_.cpuid(1);
  return true;
}

std::uint8_t TPentiumMMX::SteppingID() {
  platform::CpuidResult leaf1;
  return readLeaf1(Leaf1Field::SteppingID, leaf1) ? leaf1.eax & 0xF : 0;
}

std::uint8_t TPentiumMMX::Model() {
  platform::CpuidResult leaf1;
  return readLeaf1(Leaf1Field::Model, leaf1) ? (leaf1.eax & 0xF0) >> 4 : 0;
}

std::uint16_t TPentiumMMX::Family() {
  platform::CpuidResult leaf1;
  return readLeaf1(Leaf1Field::Family, leaf1) ? (leaf1.eax & 0xF00) >> 8 : 0;
}

std::uint32_t TPentiumMMX::FeatureFlags() {
  platform::CpuidResult leaf1;
  return readLeaf1(Leaf1Field::FeatureFlags, leaf1) ? leaf1.edx : 0;
}

std::int32_t TPentiumMMX::TimeStampHigh() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(processor_.rdtsc() >> 32));
}

std::int32_t TPentiumMMX::TimeStampLow() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(processor_.rdtsc()));
}

TTimeStamp64 TPentiumMMX::ReadTimeStamp() {
  const std::uint64_t value = processor_.rdtsc();
  return {static_cast<std::uint32_t>(value >> 32), static_cast<std::uint32_t>(value)};
}

std::uint32_t TPentiumMMX::Interval32(std::uint32_t A, std::uint32_t B) { return A - B; }

TTimeStamp64 TPentiumMMX::Interval64(const TTimeStamp64& A, const TTimeStamp64& B) {
  const std::uint64_t a = std::uint64_t(A.High) << 32 | A.Low;
  const std::uint64_t b = std::uint64_t(B.High) << 32 | B.Low;
  const std::uint64_t difference = a - b;
  return {static_cast<std::uint32_t>(difference >> 32), static_cast<std::uint32_t>(difference)};
}

}  // namespace cpu
