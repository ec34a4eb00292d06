// The interpreter over the identification table: vendor block, family-wide settings, first
// matching row.
#include "cpu/identify_cpu.h"

#include "cpu/cpu_table.h"

namespace cpu {

namespace {

// The vendor text is asked again for every comparison, as each read of the probe is fresh.
const VendorEntry* findVendor(TPentiumMMX& probe, const IdentificationTable& table) {
  for (std::size_t i = 0; i < table.vendorCount; ++i)
    if (probe.VendorString() == table.vendors[i].vendorString) return &table.vendors[i];
  return nullptr;
}

void identifyUnknownVendor(IdentifyPass pass, CpuIdentity& out) {
  if (pass == IdentifyPass::StartUpPass) {
    out.PlatformLabel = kUnknownPlatform;
    out.WriteCombiningEnabled = false;
    out.ThreeDNowEnabled = false;
  } else {
    out.CpuName = unknownVendorShortName();
    out.CpuDetail = std::string();
  }
}

void applyFamilySettings(const FamilySettings& family, IdentifyPass pass, CpuIdentity& out) {
  if (pass == IdentifyPass::StartUpPass) {
    if (family.platform) out.PlatformLabel = family.platform;
    out.WriteCombiningEnabled = family.writeCombining;
    out.ThreeDNowEnabled = family.threeDNow;
  }
  if (family.detailInBothPasses) out.CpuDetail = family.detailInBothPasses;
}

void applyRow(const CpuRow& row, IdentifyPass pass, int measuredMHz, CpuIdentity& out) {
  const bool atStartUp = pass == IdentifyPass::StartUpPass;
  if (row.name) out.CpuName = row.name;
  if (const char* name = row.nameByClock.textFor(measuredMHz)) out.CpuName = name;
  if (const char* detail = atStartUp ? row.detail.atStartUp : row.detail.onPage)
    out.CpuDetail = detail;
  if (const char* detail = row.detailByClock.textFor(measuredMHz)) out.CpuDetail = detail;
  if (atStartUp) {
    if (row.platform) out.PlatformLabel = row.platform;
    if (row.boxes.set) {
      out.WriteCombiningEnabled = row.boxes.writeCombining;
      out.ThreeDNowEnabled = row.boxes.threeDNow;
    }
  }
  if (row.marks & kThreeDNowMark) out.ThreeDNowMark = true;
  if (row.marks & kSimdMark) out.SimdMark = true;
}

}  // namespace

CpuIdentity IdentifyCpu(IdentifyPass pass, TPentiumMMX& probe, int measuredMHz) {
  const IdentificationTable& table = identificationTable();
  CpuIdentity out;
  const VendorEntry* vendor = findVendor(probe, table);
  if (!vendor) {
    identifyUnknownVendor(pass, out);
    return out;
  }
  const unsigned family = probe.Family();
  const unsigned model = probe.Model();
  const unsigned stepping = probe.SteppingID();

  // Walked from the first entry to one past the last: no index to read beyond the tables.
  const FamilySettings* const familiesEnd = table.families + table.familyCount;
  for (const FamilySettings* settings = table.families; settings != familiesEnd; ++settings) {
    if (settings->vendor == vendor->vendor && settings->family == family) {
      applyFamilySettings(*settings, pass, out);
      break;
    }
  }
  const CpuRow* const rowsEnd = table.rows + table.rowCount;
  for (const CpuRow* next = table.rows; next != rowsEnd; ++next) {
    const CpuRow& row = *next;
    if (row.vendor == vendor->vendor && row.family.contains(family) &&
        row.model.contains(model) && row.stepping.contains(stepping) &&
        row.clock.contains(measuredMHz)) {
      applyRow(row, pass, measuredMHz, out);
      break;
    }
  }
  return out;
}

std::string VendorShortName(TPentiumMMX& probe) {
  const VendorEntry* vendor = findVendor(probe, identificationTable());
  return vendor ? vendor->shortName : unknownVendorShortName();
}

}  // namespace cpu
