#include "settings/driver_options.h"
#include "text/catalogue.h"

namespace settings {

using G = OptionGroup;

const std::array<DriverOption, 34> kDriverOptions = {{
    // 一般設定
    {"Analog Joystick", "AnalogJoy", text::Id::OptionAnalogJoy, text::Id::OptionAnalogJoyHint, G::General},
    {"Force DDC", "DDC", text::Id::OptionDDC, text::Id::OptionDDCHint, G::General},
    {"HicolorMode", "Highcolor", text::Id::OptionHighcolor, text::Id::OptionHighcolorHint, G::General},
    {"ShowMeAllMatrox", "Powerdesk", text::Id::OptionPowerdesk, text::Id::OptionPowerdeskHint, G::General},
    {"Win98 Virtual", "VirtualDesk", text::Id::OptionVirtualDesk, text::Id::OptionVirtualDeskHint, G::General},
    // 2D(GDI)の設定
    {"Circles", "Circles", text::Id::OptionCircles, text::Id::OptionCirclesHint, G::Gdi},
    {"Rectangles", "rect", text::Id::OptionRect, text::Id::OptionRectHint, G::Gdi},
    {"Ellipses", "Ellipses", text::Id::OptionEllipses, text::Id::OptionEllipsesHint, G::Gdi},
    {"FontsCaching", "fontcash", text::Id::OptionFontcash, text::Id::OptionFontcashHint, G::Gdi},
    {"PaletteWriteSync", "Paletsync", text::Id::OptionPaletsync, text::Id::OptionPaletsyncHint, G::Gdi},
    {"FastBlit", "fastbilt", text::Id::OptionFastbilt, text::Id::OptionFastbiltHint, G::Gdi},
    {"CursorShapeSync", "cirsor", text::Id::OptionCirsor, text::Id::OptionCirsorHint, G::Gdi},
    {"ColorDithering", "dithering", text::Id::OptionDithering, text::Id::OptionDitheringHint, G::Gdi},
    {"Indeo as YUV", "indeo", text::Id::OptionIndeo, text::Id::OptionIndeoHint, G::Gdi},
    {"Cinepak as YUV", "cinepac", text::Id::OptionCinepac, text::Id::OptionCinepacHint, G::Gdi},
    {"Flip On Vblank", "vsync", text::Id::OptionVsync, text::Id::OptionVsyncHint, G::Gdi},
    {"AlternateFillPolygons", "porigon", text::Id::OptionPorigon, text::Id::OptionPorigonHint, G::Gdi},
    {"DeviceBitmapsCaching", "device", text::Id::OptionDevice, text::Id::OptionDeviceHint, G::Gdi},
    // システム設定
    {"Use AGP", "agp", text::Id::OptionAgp, text::Id::OptionAgpHint, G::System},
    {"Use MMX", "mmx", text::Id::OptionMmx, text::Id::OptionMmxHint, G::System},
    {"Use 3DNow", "DNow", text::Id::OptionDNow, text::Id::OptionDNowHint, G::System},
    {"Bus Mastering", "busmaster", text::Id::OptionBusmaster, text::Id::OptionBusmasterHint, G::System},
    {"Use Write Combining", "comwrite", text::Id::OptionComwrite, text::Id::OptionComwriteHint, G::System},
    {"TVOutput", "TVout", text::Id::OptionTVout, text::Id::OptionTVoutHint, G::System},
    // Direct3D関連の諸設定
    {"SplitMode", "toc", text::Id::OptionToc, text::Id::OptionTocHint, G::D3DGen},
    {"YUV Filtering", "filter", text::Id::OptionFilter, text::Id::OptionFilterHint, G::D3DGen},
    {"D3DRendering", "d3drender", text::Id::OptionD3drender, text::Id::OptionD3drenderHint, G::D3DGen},
    {"32BitZ", "zbuff", text::Id::OptionZbuff, text::Id::OptionZbuffHint, G::D3DGen},
    {"Palettized Textures", "palettized", text::Id::OptionPalettized, text::Id::OptionPalettizedHint, G::D3DGen},
    {"Use Triple Buffering", "triple", text::Id::OptionTriple, text::Id::OptionTripleHint, G::D3DGen},
    // Direct3Dフィルタの設定
    {"Use Subpixel", "subpixel", text::Id::OptionSubpixel, text::Id::OptionSubpixelHint, G::D3DFilter},
    {"Anisotropic", "anisotropic", text::Id::OptionAnisotropic, text::Id::OptionAnisotropicHint, G::D3DFilter},
    {"AntiAlias", "AntiAlias", text::Id::OptionAntiAlias, text::Id::OptionAntiAliasHint, G::D3DFilter},
    {"Table Fog", "TableFog", text::Id::OptionTableFog, text::Id::OptionTableFogHint, G::D3DFilter},
}};

const std::array<const char*, 12> kLoadOrderBeforeAgp = {
    "Analog Joystick", "Flip On Vblank", "Circles", "Rectangles", "Ellipses", "FontsCaching",
    "AlternateFillPolygons", "DeviceBitmapsCaching", "Force DDC", "HicolorMode", "SplitMode",
    "YUV Filtering"};

const std::array<const char*, 22> kLoadOrderAfterAgp = {
    "Use AGP", "Use MMX", "Bus Mastering", "Use Write Combining", "Anisotropic",
    "Palettized Textures", "D3DRendering", "ColorDithering", "32BitZ", "PaletteWriteSync",
    "FastBlit", "CursorShapeSync", "Use Subpixel", "ShowMeAllMatrox", "Indeo as YUV", "TVOutput",
    "Win98 Virtual", "Cinepak as YUV", "Use 3DNow", "Use Triple Buffering", "AntiAlias",
    "Table Fog"};

const DriverOption* findByValueName(const std::string& valueName) {
  for (const auto& option : kDriverOptions)
    if (valueName == option.valueName) return &option;
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
