// The processors Corvane knows by name: vendors, family-wide settings and the rows, in the order
// they are tried. Read each row as: vendor, family, model, stepping, clock | name | detail |
// platform | boxes (write-combining / 3DNow) | marks | clock-dependent name and detail.
#include "cpu/cpu_table.h"
#include "text/catalogue.h"

namespace cpu {

const char* ClockGroup::textFor(int mhz) const {
  for (std::size_t i = 0; i < count; ++i)
    if (mhz >= lines[i].min && mhz <= lines[i].max) return lines[i].text;
  return nullptr;
}

const char* unknownVendorShortName() { return text::tr(text::Id::CpuUndefined); }
const char* const kUnknownPlatform = "Unknown";

namespace {

using V = Vendor;

constexpr FieldSet kAny{0, true};
template <typename... Values>
constexpr FieldSet is(Values... values) {
  return FieldSet{((1u << values) | ...), false};
}

constexpr ClockRange kAnyClock{};
constexpr ClockRange mhz(int min, int max) { return ClockRange{min, max, false}; }

constexpr const char* kKeep = nullptr;  // the field keeps what it showed
constexpr const char* kEmptyText = "";  // the field is cleared
constexpr Detail kKeepDetail{};
constexpr Detail same(const char* text) { return Detail{text, text}; }
// The start-up text first, the system page's second.
constexpr Detail perPass(const char* atStartUp, const char* onPage) {
  return Detail{atStartUp, onPage};
}

constexpr bool off = false;
constexpr bool on = true;
constexpr Boxes kFamilyBoxes{};  // left to the family-wide settings (or to nothing)
constexpr Boxes boxes(bool writeCombining, bool threeDNow) {
  return Boxes{true, writeCombining, threeDNow};
}

template <std::size_t N>
constexpr ClockGroup group(const ClockText (&lines)[N]) {
  return ClockGroup{lines, N};
}

const VendorEntry kVendors[] = {
    {"GenuineIntel", V::Intel, "Intel"},
    {"AuthenticAMD", V::AMD, "AMD"},
    {"CyrixInstead", V::Cyrix, "Cyrix"},
    {"CentaurHauls", V::Centaur, "IDT"},
    {"RiseRiseRise", V::Rise, "Rise"},
};

const FamilySettings kFamilies[] = {
    // vendor, family, platform, write-combining, 3DNow, detail (both passes)
    {V::Intel, 4, "Socket1 / Socket2 / Socket3", false, false, kKeep},
    {V::Intel, 5, kKeep, false, false, kKeep},
    {V::Intel, 6, kKeep, true, false, kKeep},
    {V::Intel, 7, "SlotM?", true, false, "(Merced) [0.18μ]"},
    {V::Cyrix, 5, kKeep, false, false, kKeep},
    {V::Cyrix, 6, "Socket7 (Super7)", false, false, kKeep},
};

// Cyrix family 6: name and detail each follow the clock, in ranges that do not line up.
const ClockText kCyrix6Names[] = {
    {100, 220, "Cyrix 6x86MX Processor"},
    {221, 360, "Cyrix ＭII Processor"},
};
const ClockText kCyrix6Details[] = {
    {100, 150, "6x86MX PR166GP [2.9v 60x2.5 0.35μ]"},
    {151, 180, "6x86MX PR200GP [2.9v 66x2.5 0.35μ]"},
    {181, 193, "6x86MX PR233GP [2.9v 75x2.5 0.35μ]"},
    {194, 205, "6x86MX PR233GP [2.9v 66x3 0.35μ]"},
    {206, 215, "6x86MX PR266GP [2.9v 83x2.5 0.35μ]"},
    {216, 237, "ＭII PR300GP [2.8v 66x3.5 0.25μ]"},
    {238, 249, "ＭII PR333GP [2.8v 83x3 0.25μ]"},
    // 250-310: no text, the detail stays as it was
    {311, 360, "ＭII PR350GP [2.8v 100x3 0.25μ]"},
    {361, 410, "ＭII PR400GP [2.8v 100x3.5 0.25μ]"},
};

const CpuRow kRows[] = {
    // ---- Intel ----
    {V::Intel, is(4), is(0, 1), kAny, kAnyClock, "i486DX Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(4), is(2), kAny, kAnyClock, "i486SX Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(4), is(3), kAny, kAnyClock, "i486DX2 Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(4), is(4), kAny, kAnyClock, "i486SL Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(4), is(5), kAny, kAnyClock, "i486SX2 Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(4), is(7), kAny, kAnyClock, "WriteBack Enhanced i486DX2 Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(4), is(8), kAny, kAnyClock, "Intel DX4 Processor",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(5), is(1), kAny, kAnyClock, "Pentium Processor",
     same("(P5) [0.5μ]"), "Socket7 / Socket5 (Super7)", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(5), is(2), kAny, kAnyClock, "Pentium Processor",
     same("(P54C) [0.35μ]"), "Socket7 / Socket5 (Super7)", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(5), is(3), kAny, kAnyClock, "Pentium OverDrive Processor",
     same("for Intel 486 Processor"), "Socket3", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(5), is(4), kAny, kAnyClock, "Pentium Processor w/MMX Tech",
     same("(P55C) [0.35μ]"), "Socket7 (Super7)", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(1), kAny, kAnyClock, "PentiumPro Processor",
     same("150,180,200MHz (P6) [0.35μ]"), "Socket8", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(2), kAny, kAnyClock, "PentiumII Over Drive Processor",
     same(kEmptyText), "Socket8", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(3), kAny, kAnyClock, "PentiumII Processor with MMX Tech.",
     same("233,266,300MHz (Klamath) [0.35μ]"), "Slot1", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(5), is(0), kAnyClock, "PentiumII / Celeron Processor with MMX tech.",
     same("266,300,333MHz (Desthutes/Convington) [0.25μ]"),
     "Slot1", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(5), is(1), kAnyClock, "PentiumII / Celeron Processor with MMX tech.",
     same("266,300,333,350,400MHz (Desthutes/Convington) [0.25μ]"),
     "Slot1", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(5), is(2), mhz(266, 280), "Celeron Processor with MMX tech.",
     same("266MHz (Convington) [0.25μ]"),
     "Slot1", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(5), is(2), mhz(281, 1000),
     "PentiumII/PentiumII Xeon/Celeron Processor with MMX tech.",
     same("300,333,350,400,450MHz (Desthutes/Convington) [0.25μ]"),
     "Slot1 / Slot2", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(5), is(3), kAnyClock,
     "PentiumII / PentiumII Xeon Processor with MMX tech.",
     same("350,400,450MHz (Desthutes) [0.25μ]"),
     "Slot1 / Slot2", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(6), is(0), kAnyClock, "Celeron Processor (with L2-128KB)",
     perPass("300A,333,366,400MHz SEPP (Mendocino) [0.25μ]",
             "300A,333,366,400,433MHz SEPP (Mendocino) [0.25μ]"),
     "Slot1", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(6), is(5), kAnyClock, "Celeron Processor (with L2-128KB)",
     perPass("300A,333,366,400,433MHz PPGA (Mendocino) [0.25μ]",
             "300A,333,366,400,433,466MHz PPGA (Mendocino) [0.25μ]"),
     "Socket370", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(6), kAny, kAnyClock, "Celeron Processor (with L2-128KB)",  // other steppings
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},
    {V::Intel, is(6), is(7), kAny, kAnyClock, "PentiumIII / PentiumIII Xeon Processor",
     same("450,500,550MHz (Katmai/Tarner) [0.25μ]"),
     "Slot1 / Slot2", kFamilyBoxes, kSimdMark, {}, {}},
    {V::Intel, is(7), is(1), kAny, kAnyClock, "Merced ?",
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, {}, {}},

    // ---- AMD: every row sets both boxes itself ----
    {V::AMD, is(5), is(0), kAny, kAnyClock, "AMD-K5 Processor",
     same("75,90,100MHz [0.5μ]"), "Socket7 / Socket5 (Super7)", boxes(off, off), kNoMarks, {}, {}},
    {V::AMD, is(5), is(1), kAny, kAnyClock, "AMD-K5 Processor",
     same("120,133MHz [0.5μ]"), "Socket7 / Socket5 (Super7)", boxes(off, off), kNoMarks, {}, {}},
    {V::AMD, is(5), is(2, 3), kAny, kAnyClock, "AMD-K5 Processor",
     same("150,166MHz [0.5μ]"), "Socket7 / Socket5 (Super7)", boxes(off, off), kNoMarks, {}, {}},
    {V::AMD, is(5), is(6), kAny, kAnyClock, "K6 MMX Enhanced Processor",
     same("166,200,233MHz [0.35μ]"), "Socket7 (Super7)", boxes(off, off), kNoMarks, {}, {}},
    {V::AMD, is(5, 6), is(7), kAny, kAnyClock, "K6 MMX Enhanced Processor",
     same("266,300MHz [0.25μ]"), "Socket7 (Super7)", boxes(off, off), kNoMarks, {}, {}},
    {V::AMD, is(5, 6), is(8), kAny, kAnyClock, "K6-2 Processor with 3DNow!! Technology",
     perPass("266,300,333,366,380,400,450MHz [2.4v 0.25μ]",
             "266,300,333,366,380,400,450,475MHz [2.2v 0.25μ]"),
     "Socket7 (Super7)", boxes(off, on), kThreeDNowMark, {}, {}},
    {V::AMD, is(5, 6), is(9), kAny, kAnyClock, "K6-III Processor with 3DNow!! Technology",
     same("400,450,500MHz [2.4v 0.25μ]"),
     "Socket7 (Super7)", boxes(off, on), kThreeDNowMark, {}, {}},
    {V::AMD, is(7), kAny, kAny, kAnyClock, "K7 Processor with 3DNow!! Technology",
     same("600MHz [?.?v 0.25μ]"), "Slot A", boxes(off, on), kThreeDNowMark, {}, {}},

    // ---- Cyrix ----
    {V::Cyrix, is(4), kAny, kAny, kAnyClock, "MediaGX Processor",
     kKeepDetail, "MediaGX", boxes(off, off), kNoMarks, {}, {}},
    {V::Cyrix, is(5), is(2), kAny, kAnyClock, "Cyrix 6x86 or 6x86L Processor",
     same("PR90+,120+,133+,150+,166+,200+"), "Socket7 (Super7)", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Cyrix, is(5), is(4), kAny, kAnyClock, "MediaGXm Processor",
     same(kEmptyText), "MediaGX", kFamilyBoxes, kNoMarks, {}, {}},
    {V::Cyrix, is(6), kAny, kAny, kAnyClock, kKeep,
     kKeepDetail, kKeep, kFamilyBoxes, kNoMarks, group(kCyrix6Names), group(kCyrix6Details)},

    // ---- Centaur: the family is not looked at ----
    {V::Centaur, kAny, is(4), kAny, kAnyClock, "WinChip C6 Processor",
     same("180,200,225,240MHz"), "Socket7 / Socket5 (Super7)", boxes(off, off), kNoMarks, {}, {}},
    {V::Centaur, kAny, is(8), is(5), kAnyClock, "WinChip 2 Processor",
     same("200,225,240,250,266,300MHz"),
     "Socket7 / Socket5 (Super7)", boxes(off, on), kThreeDNowMark, {}, {}},
    {V::Centaur, kAny, is(8), is(7, 8, 9), kAnyClock, "WinChip 2A Processor",
     same("???MHz"), "Socket7 / Socket5 (Super7)", boxes(off, on), kThreeDNowMark, {}, {}},
    {V::Centaur, kAny, is(9), kAny, kAnyClock, "WinChip 3 Processor",
     same("???MHz"), "Socket7 (Super7)", boxes(off, on), kThreeDNowMark, {}, {}},

    // ---- Rise ----
    {V::Rise, kAny, kAny, kAny, kAnyClock, "mP6 Processor",
     same("166(PR166),190(PR233),200MHz(PR266)"),
     "Socket7 (Super7)", boxes(off, on), kNoMarks, {}, {}},
};

const IdentificationTable kTable{
    kVendors, sizeof kVendors / sizeof kVendors[0],
    kFamilies, sizeof kFamilies / sizeof kFamilies[0],
    kRows, sizeof kRows / sizeof kRows[0],
};

}  // namespace

const IdentificationTable& identificationTable() { return kTable; }

}  // namespace cpu
