#include "settings/removal.h"

#include "stored/clock_settings.h"
#include "stored/driver_settings.h"
#include "text/catalogue.h"

namespace settings {
namespace {

using D = stored::DriverValue;

const stored::DriverValue kDeleted[] = {
    D::AnalogJoystick, D::ForceDdc, D::HicolorMode, D::ShowMeAllMatrox, D::BusMastering,
    D::UseWriteCombining, D::SplitMode, D::FlipOnVblank, D::PaletteWriteSync, D::FastBlit,
    D::CursorShapeSync, D::UseAgp, D::YuvFiltering, D::UseMmx, D::ZBuffer32Bit, D::PalettizedTextures,
    D::UseSubpixel, D::Anisotropic, D::VirtualDesktop};

const std::pair<stored::DriverValue, const char*> kWritten[] = {
    {D::Circles, "1"},        {D::Rectangles, "1"},           {D::Ellipses, "1"},
    {D::FontsCaching, "1"},   {D::ColorDithering, "1"},       {D::DeviceBitmapsCaching, "1"},
    {D::AlternateFillPolygons, "1"}, {D::D3DRendering, "1"},  {D::AgpFlags, "0"},
    {D::SplitMode, "0"},      {D::ShowHotKeys, "1"},          {D::ShowSupport, "0"},
    {D::Use3DNow, "0"},      {D::UseTripleBuffering, "0"}, {D::AntiAlias, "0"},
    {D::TableFog, "0"},      {D::CinepakAsYuv, "0"}};

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
  page.backups.save(BackupAction::Removal);
  services.dialogs.messageBox(text::tr(text::Id::TitleInformation), text::tr(text::Id::RemovalDone),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok);
  {
    stored::DriverSettings driver(services.registry);
    for (auto value : kDeleted) driver.remove(value);
    for (const auto& [value, text] : kWritten) driver.writeText(value, text);
  }
  // Settings taken back out start over: no clock counts as seen to hold any more.
  if (stored::ConfirmedClock(services.registry, stored::Access::ExistingReadOnly).recorded())
    stored::ConfirmedClock(services.registry).forget();
  for (const auto& [control, on] : kBoxes) page.box(control).setChecked(on);
}

}  // namespace settings
