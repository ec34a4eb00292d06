#include "settings/removal.h"
#include "text/catalogue.h"

#include "platform/registry_locations.h"

namespace settings {
namespace {

const char* const kDeleted[] = {
    "Analog Joystick", "Force DDC", "HicolorMode", "ShowMeAllMatrox", "Bus Mastering",
    "Use Write Combining", "SplitMode", "Flip On Vblank", "PaletteWriteSync", "FastBlit",
    "CursorShapeSync", "Use AGP", "YUV Filtering", "Use MMX", "32BitZ", "Palettized Textures",
    "Use Subpixel", "Anisotropic", "Win98 Virtual"};

const std::pair<const char*, const char*> kWritten[] = {
    {"Circles", "1"},        {"Rectangles", "1"},           {"Ellipses", "1"},
    {"FontsCaching", "1"},   {"ColorDithering", "1"},       {"DeviceBitmapsCaching", "1"},
    {"AlternateFillPolygons", "1"}, {"D3DRendering", "1"},  {"AGPFlags", "0"},
    {"SplitMode", "0"},      {"ShowHotKeys", "1"},          {"ShowSupport", "0"},
    {"Use 3DNow", "0"},      {"Use Triple Buffering", "0"}, {"AntiAlias", "0"},
    {"Table Fog", "0"},      {"Cinepak as YUV", "0"}};

// The boxes afterwards, in this sequence. "indeo", "TVout", "tasktrey" and the AGP choice keep
// what they show until the next start loads the stored state.
const std::pair<const char*, bool> kBoxes[] = {
    {"AnalogJoy", false}, {"DDC", false},        {"Highcolor", false},  {"Powerdesk", false},
    {"Circles", true},    {"rect", true},        {"Ellipses", true},    {"fontcash", true},
    {"Paletsync", false}, {"fastbilt", false},   {"cirsor", false},     {"dithering", true},
    {"vsync", true},      {"agp", false},        {"mmx", false},        {"busmaster", false},
    {"comwrite", false},  {"device", true},      {"porigon", true},     {"toc", false},
    {"filter", false},    {"d3drender", true},   {"zbuff", false},      {"subpixel", false},
    {"anisotropic", false}, {"palettized", false}, {"VirtualDesk", false}, {"AntiAlias", false},
    {"TableFog", false},  {"triple", false},     {"cinepac", false},    {"DNow", false}};

}  // namespace

void removeDriverSettings(RegistryPage& page, platform::Services& services) {
  if (services.dialogs.messageBox(text::tr(text::Id::RemovalTitle), text::tr(text::Id::RemovalQuestion),
                                  platform::MessageIcon::None,
                                  platform::MessageButtons::OkCancel) != platform::MessageResult::Ok)
    return;
  page.backups.save();
  services.dialogs.messageBox(text::tr(text::Id::TitleInformation), text::tr(text::Id::RemovalDone),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok);
  {
    platform::SettingsStore reg(services.registry);
    platform::openLocation(reg, platform::keys::kDriverSettings,
                           platform::KeyAccess::CreateIfMissing);
    for (const char* name : kDeleted) reg.RemoveValue(name);
    for (const auto& [name, value] : kWritten) reg.WriteString(name, value);
  }
  for (const auto& [control, on] : kBoxes) page.box(control).setChecked(on);
}

}  // namespace settings
