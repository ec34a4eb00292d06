#pragma once
// The shapes of the processor identification table. The rows themselves are in cpu_table.cpp,
// each starting on a line of its own, with its columns always in the same order.
#include <cstddef>
#include <cstdint>

namespace cpu {

enum class Vendor { Intel, AMD, Cyrix, Centaur, Rise };

struct VendorEntry {
  const char* vendorString;  // CPUID leaf 0, compared exactly
  Vendor vendor;
  const char* shortName;  // what the system page shows after "CPU 社名："
};

// A set of values of a 4-bit CPUID field, or "any value at all".
struct FieldSet {
  std::uint32_t bits = 0;
  bool any = false;
  constexpr bool contains(unsigned value) const {
    return any || (value < 32 && ((bits >> value) & 1u) != 0);
  }
};

// An inclusive range of the measured clock in whole MHz; `any` when the row does not test it.
struct ClockRange {
  int min = 0;
  int max = 0;
  bool any = true;
  constexpr bool contains(int mhz) const { return any || (mhz >= min && mhz <= max); }
};

// One line of a clock-dependent text: within [min, max] MHz the field becomes `text`.
struct ClockText {
  int min;
  int max;
  const char* text;
};

struct ClockGroup {
  const ClockText* lines = nullptr;  // none: the field does not depend on the clock
  std::size_t count = 0;
  // The text for `mhz`, or nullptr when no line covers it (the field is left alone).
  const char* textFor(int mhz) const;
};

// A detail text that may differ between the start-up pass and the system page.
struct Detail {
  const char* atStartUp = nullptr;  // nullptr: leave the field as it is
  const char* onPage = nullptr;
};

// The write-combining and 3DNow boxes: set by the row, or left to the family-wide settings.
struct Boxes {
  bool set = false;
  bool writeCombining = false;
  bool threeDNow = false;
};

enum Marks : unsigned { kNoMarks = 0, kThreeDNowMark = 1, kSimdMark = 2 };

struct CpuRow {
  Vendor vendor;
  FieldSet family;
  FieldSet model;
  FieldSet stepping;
  ClockRange clock;
  const char* name;  // nullptr: unchanged
  Detail detail;
  const char* platform;  // start-up pass only; nullptr: unchanged
  Boxes boxes;           // start-up pass only
  unsigned marks;        // both passes
  ClockGroup nameByClock;
  ClockGroup detailByClock;
};

// Settings every model of a family gets (the platform and boxes at start-up only).
struct FamilySettings {
  Vendor vendor;
  unsigned family;
  const char* platform;  // nullptr: unchanged
  bool writeCombining;
  bool threeDNow;
  const char* detailInBothPasses;  // nullptr: none
};

struct IdentificationTable {
  const VendorEntry* vendors;
  std::size_t vendorCount;
  const FamilySettings* families;
  std::size_t familyCount;
  const CpuRow* rows;
  std::size_t rowCount;
};

const IdentificationTable& identificationTable();

// What an unrecognised vendor gets.
const char* unknownVendorShortName();  // also its name on the system page
extern const char* const kUnknownPlatform;

}  // namespace cpu
