#include "settings/presets.h"

#include <initializer_list>
#include <vector>

#include "platform/errors.h"
#include "stored/driver_settings.h"
#include "text/catalogue.h"

namespace settings {
namespace {

using V = Variant;
using D = stored::DriverValue;

// Platform variants that write another text than the rest of their column.
struct Exception {
  std::initializer_list<Variant> variants;
  const char* value;
};

// A cell of the preset table: the text written, or nullptr where the preset leaves the value
// alone; `except` names the platform variants that write something else. All of it is constant
// data: nothing is built when the program starts.
struct Cell {
  const char* value;
  std::initializer_list<Exception> except = {};
};

struct PresetRow {
  stored::DriverValue value;
  Cell emergency, defaults, game, benchmark;
};

const PresetRow kPresetTable[] = {
    // driver value             emergency  defaults  game   benchmark
    {D::AnalogJoystick,         {"0"},     {"1"},    {"1"}, {"0"}},
    {D::ForceDdc,               {"0"},     {"0"},    {"0"}, {"0"}},
    {D::HicolorMode,            {"1"},     {"1"},    {"1"}, {"1"}},
    {D::ShowMeAllMatrox,        {"1"},     {"1"},    {"1"}, {"1"}},
    {D::Circles,                {"1"},     {"1"},    {"1"}, {"1"}},
    {D::Rectangles,             {"1"},     {"1"},    {"1"}, {"1"}},
    {D::Ellipses,               {"1"},     {"1"},    {"1"}, {"1"}},
    {D::FontsCaching,           {"1"},     {"1"},    {"1"}, {"1"}},
    {D::PaletteWriteSync,       {"1"},     {"1"},    {"1"}, {"1"}},
    {D::FastBlit,               {"0"},     {"1"},    {"1"}, {"1"}},
    {D::CursorShapeSync,        {"0"},     {"1"},    {"1"}, {"1"}},
    {D::ColorDithering,         {"1"},     {"1"},    {"1"}, {"1"}},
    {D::FlipOnVblank,           {"1"},     {"1"},    {"1"}, {"0"}},
    {D::UseAgp,                 {"1"},     {"1"},    {"1"}, {"1"}},
    {D::UseMmx,                 {"1"},     {"1"},    {"1"}, {"1"}},
    {D::BusMastering,           {"0"},     {"1"},    {"1"},
                                {"1", {{{V::Super7, V::Socket7Or5, V::General}, "0"}}}},
    {D::UseWriteCombining,      {"0"},     {"1"},    {"1"}, {"1"}},
    {D::DeviceBitmapsCaching,   {"1"},     {"1"},    {"1"}, {"1"}},
    {D::AgpFlags,               {"0"},     {"0"},    {"-1"}, {"-1"}},
    {D::AlternateFillPolygons,  {"1"},     {"1"},    {"1"}, {"1"}},
    {D::SplitMode,              {"0"},     {"0"},    {"1"}, {"1"}},
    {D::YuvFiltering,           {"1"},     {"1"},    {"1"}, {"1"}},
    {D::D3DRendering,           {"0"},     {"0"},    {"1"}, {"1"}},
    {D::ZBuffer32Bit,           {"0"},     {"1"},    {"1"}, {"1"}},
    {D::PalettizedTextures,     {"0"},     {"1"},    {"1"}, {"1"}},
    {D::UseSubpixel,            {"0"},     {"0"},    {"1"}, {"1"}},
    {D::Anisotropic,            {"0"},     {"0"},    {"1"}, {"0"}},
    {D::IndeoAsYuv,             {"0"},     {"0"},    {"1"}, {"1"}},
    {D::Use3DNow,               {nullptr}, {nullptr},
                                {nullptr, {{{V::Super7, V::Socket7Or5}, "1"}}},
                                {nullptr, {{{V::Super7}, "1"}}}},
};

// The order in which the boxes follow the written values ("AGPSpeed" is the speed choice).
const char* const kBoxOrder[] = {
    "AnalogJoy", "DDC", "Highcolor", "Powerdesk", "Circles", "rect", "Ellipses", "fontcash",
    "Paletsync", "fastbilt", "cirsor", "dithering", "vsync", "agp", "mmx", "busmaster",
    "comwrite", "device", "AGPSpeed", "porigon", "toc", "filter", "d3drender", "zbuff",
    "subpixel", "anisotropic", "palettized", "indeo", "DNow"};

const Cell& cellOf(const PresetRow& row, Preset preset) {
  switch (preset) {
    case Preset::Emergency: return row.emergency;
    case Preset::DriverDefaults: return row.defaults;
    case Preset::Game: return row.game;
    case Preset::Benchmark: return row.benchmark;
  }
  return row.emergency;
}

const char* resolve(const Cell& cell, Variant variant) {
  for (const auto& [variants, value] : cell.except)
    for (Variant v : variants)
      if (v == variant) return value;
  return cell.value;
}

}  // namespace

Variant variantFor(const std::string& platformLabel) {
  const std::pair<const char*, Variant> labels[] = {
      {"SlotM?", V::SlotM},
      {"Slot1", V::Slot1},
      {"Slot2", V::Slot2},
      {"Socket370", V::Socket370},
      {"Socket7 (Super7)", V::Super7},
      {"Slot1 / Slot2", V::Slot1Or2},
      {"Socket7 / Socket5 (Super7)", V::Socket7Or5},
  };
  for (const auto& [label, variant] : labels)
    if (platformLabel == label) return variant;
  return V::General;
}

std::string presetMessage(Preset preset, Variant variant) {
  if (preset == Preset::Emergency) return text::tr(text::Id::PresetEmergencyDone);
  if (preset == Preset::DriverDefaults)
    return text::tr(text::Id::PresetDefaultsDone);
  const char* forPlatform = "";
  switch (variant) {
    case V::SlotM: forPlatform = text::tr(text::Id::PresetForSlotM); break;
    case V::Slot1: forPlatform = text::tr(text::Id::PresetForSlot1); break;
    case V::Slot2: forPlatform = text::tr(text::Id::PresetForSlot2); break;
    case V::Socket370: forPlatform = text::tr(text::Id::PresetForSocket370); break;
    case V::Super7: forPlatform = text::tr(text::Id::PresetForSuper7); break;
    case V::Slot1Or2: forPlatform = text::tr(text::Id::PresetForSlot1Or2); break;
    case V::Socket7Or5: forPlatform = text::tr(text::Id::PresetForSocket7Or5); break;
    case V::General: forPlatform = ""; break;
  }
  const char* name = text::tr(preset == Preset::Game ? text::Id::PresetGameName
                                                     : text::Id::PresetBenchmarkName);
  return platform::format1(platform::format1(text::tr(text::Id::PresetDone), forPlatform), name);
}

const char* presetValue(Preset preset, Variant variant, stored::DriverValue value) {
  for (const auto& row : kPresetTable)
    if (row.value == value) return resolve(cellOf(row, preset), variant);
  return nullptr;
}

void applyPreset(Preset preset, const platform::MachineFacts& machine, RegistryPage& page,
                 platform::Services& services) {
  const Variant variant = preset == Preset::Game || preset == Preset::Benchmark
                              ? variantFor(machine.processor.platformLabel.value_or(""))
                              : V::General;
  page.backups.save(BackupAction::Preset);
  services.dialogs.messageBox(text::tr(text::Id::TitleInformation), presetMessage(preset, variant),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok);
  {
    stored::DriverSettings driver(services.registry);
    for (const auto& row : kPresetTable)
      if (const char* value = resolve(cellOf(row, preset), variant))
        driver.writeText(row.value, value);
  }
  for (const char* control : kBoxOrder) {
    if (std::string(control) == "AGPSpeed") {
      page.AGPSpeed.setItemIndex(agpItemFor(presetValue(preset, variant, D::AgpFlags)));
      continue;
    }
    const DriverOption* option = findByControl(control);
    if (const char* value = presetValue(preset, variant, option->value))
      page.box(control).setChecked(std::string(value) == "1");
  }
}

}  // namespace settings
