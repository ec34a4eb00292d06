#include "settings/driver_options.h"
#include "text/catalogue.h"

namespace settings {

using G = OptionGroup;
using D = stored::DriverValue;

const std::array<DriverOption, 34> kDriverOptions = {{
    // 一般設定
    {D::AnalogJoystick, "AnalogJoy", text::Id::OptionAnalogJoy, text::Id::OptionAnalogJoyHint, G::General},
    {D::ForceDdc, "DDC", text::Id::OptionDDC, text::Id::OptionDDCHint, G::General},
    {D::HicolorMode, "Highcolor", text::Id::OptionHighcolor, text::Id::OptionHighcolorHint, G::General},
    {D::ShowMeAllMatrox, "Powerdesk", text::Id::OptionPowerdesk, text::Id::OptionPowerdeskHint, G::General},
    {D::VirtualDesktop, "VirtualDesk", text::Id::OptionVirtualDesk, text::Id::OptionVirtualDeskHint, G::General},
    // 2D(GDI)の設定
    {D::Circles, "Circles", text::Id::OptionCircles, text::Id::OptionCirclesHint, G::Gdi},
    {D::Rectangles, "rect", text::Id::OptionRect, text::Id::OptionRectHint, G::Gdi},
    {D::Ellipses, "Ellipses", text::Id::OptionEllipses, text::Id::OptionEllipsesHint, G::Gdi},
    {D::FontsCaching, "fontcash", text::Id::OptionFontcash, text::Id::OptionFontcashHint, G::Gdi},
    {D::PaletteWriteSync, "Paletsync", text::Id::OptionPaletsync, text::Id::OptionPaletsyncHint, G::Gdi},
    {D::FastBlit, "fastbilt", text::Id::OptionFastbilt, text::Id::OptionFastbiltHint, G::Gdi},
    {D::CursorShapeSync, "cirsor", text::Id::OptionCirsor, text::Id::OptionCirsorHint, G::Gdi},
    {D::ColorDithering, "dithering", text::Id::OptionDithering, text::Id::OptionDitheringHint, G::Gdi},
    {D::IndeoAsYuv, "indeo", text::Id::OptionIndeo, text::Id::OptionIndeoHint, G::Gdi},
    {D::CinepakAsYuv, "cinepac", text::Id::OptionCinepac, text::Id::OptionCinepacHint, G::Gdi},
    {D::FlipOnVblank, "vsync", text::Id::OptionVsync, text::Id::OptionVsyncHint, G::Gdi},
    {D::AlternateFillPolygons, "porigon", text::Id::OptionPorigon, text::Id::OptionPorigonHint, G::Gdi},
    {D::DeviceBitmapsCaching, "device", text::Id::OptionDevice, text::Id::OptionDeviceHint, G::Gdi},
    // システム設定
    {D::UseAgp, "agp", text::Id::OptionAgp, text::Id::OptionAgpHint, G::System},
    {D::UseMmx, "mmx", text::Id::OptionMmx, text::Id::OptionMmxHint, G::System},
    {D::Use3DNow, "DNow", text::Id::OptionDNow, text::Id::OptionDNowHint, G::System},
    {D::BusMastering, "busmaster", text::Id::OptionBusmaster, text::Id::OptionBusmasterHint, G::System},
    {D::UseWriteCombining, "comwrite", text::Id::OptionComwrite, text::Id::OptionComwriteHint, G::System},
    {D::TvOutput, "TVout", text::Id::OptionTVout, text::Id::OptionTVoutHint, G::System},
    // Direct3D関連の諸設定
    {D::SplitMode, "toc", text::Id::OptionToc, text::Id::OptionTocHint, G::D3DGen},
    {D::YuvFiltering, "filter", text::Id::OptionFilter, text::Id::OptionFilterHint, G::D3DGen},
    {D::D3DRendering, "d3drender", text::Id::OptionD3drender, text::Id::OptionD3drenderHint, G::D3DGen},
    {D::ZBuffer32Bit, "zbuff", text::Id::OptionZbuff, text::Id::OptionZbuffHint, G::D3DGen},
    {D::PalettizedTextures, "palettized", text::Id::OptionPalettized, text::Id::OptionPalettizedHint, G::D3DGen},
    {D::UseTripleBuffering, "triple", text::Id::OptionTriple, text::Id::OptionTripleHint, G::D3DGen},
    // Direct3Dフィルタの設定
    {D::UseSubpixel, "subpixel", text::Id::OptionSubpixel, text::Id::OptionSubpixelHint, G::D3DFilter},
    {D::Anisotropic, "anisotropic", text::Id::OptionAnisotropic, text::Id::OptionAnisotropicHint, G::D3DFilter},
    {D::AntiAlias, "AntiAlias", text::Id::OptionAntiAlias, text::Id::OptionAntiAliasHint, G::D3DFilter},
    {D::TableFog, "TableFog", text::Id::OptionTableFog, text::Id::OptionTableFogHint, G::D3DFilter},
}};

const std::array<stored::DriverValue, 12> kLoadOrderBeforeAgp = {
    D::AnalogJoystick, D::FlipOnVblank, D::Circles, D::Rectangles, D::Ellipses, D::FontsCaching,
    D::AlternateFillPolygons, D::DeviceBitmapsCaching, D::ForceDdc, D::HicolorMode, D::SplitMode,
    D::YuvFiltering};

const std::array<stored::DriverValue, 22> kLoadOrderAfterAgp = {
    D::UseAgp, D::UseMmx, D::BusMastering, D::UseWriteCombining, D::Anisotropic,
    D::PalettizedTextures, D::D3DRendering, D::ColorDithering, D::ZBuffer32Bit, D::PaletteWriteSync,
    D::FastBlit, D::CursorShapeSync, D::UseSubpixel, D::ShowMeAllMatrox, D::IndeoAsYuv, D::TvOutput,
    D::VirtualDesktop, D::CinepakAsYuv, D::Use3DNow, D::UseTripleBuffering, D::AntiAlias,
    D::TableFog};

const DriverOption* findByValue(stored::DriverValue value) {
  for (const auto& option : kDriverOptions)
    if (option.value == value) return &option;
  return nullptr;
}

const DriverOption* findByControl(const std::string& control) {
  for (const auto& option : kDriverOptions)
    if (control == option.control) return &option;
  return nullptr;
}

const char* agpStoredText(int itemIndex) {
  switch (itemIndex) {
    case 1: return "-1";
    case 2: return "1";
    default: return "0";
  }
}

int agpItemFor(const std::string& storedText) {
  if (storedText == "-1") return 1;
  if (storedText == "1") return 2;
  return 0;
}

}  // namespace settings
