#include "settings/driver_options.h"

namespace settings {

using G = OptionGroup;

const std::array<DriverOption, 34> kDriverOptions = {{
    // 一般設定
    {"Analog Joystick", "AnalogJoy", "アナログジョイスティック対応", "アナログジョイスティックを使用する。", G::General},
    {"Force DDC", "DDC", "DDCの影響を強くする", "PowerDeskのMonitorの設定を無効にする。", G::General},
    {"HicolorMode", "Highcolor", "ハイカラーモード", "ハイカラーモードを有効にする。", G::General},
    {"ShowMeAllMatrox", "Powerdesk", "PowerDeskに裏設定を表示させる", "PowerdeskにAdvancedSettingを表示させる。", G::General},
    {"Win98 Virtual", "VirtualDesk", "仮想デスクトップを使用", "Windows98使用時仮想デスクトップを使用するかどうか？(PowerDesk Ver.4.51以降)", G::General},
    // 2D(GDI)の設定
    {"Circles", "Circles", "円の描画", "円の描画を高速化させる。", G::Gdi},
    {"Rectangles", "rect", "長方形の描画", "長方形の描画を高速化させる。", G::Gdi},
    {"Ellipses", "Ellipses", "長円､楕円の描画", "長円､楕円の描画を高速化させる。", G::Gdi},
    {"FontsCaching", "fontcash", "フォントをキャッシュリングする", "フォントをキャッシングさせて高速にテキストを扱う。", G::Gdi},
    {"PaletteWriteSync", "Paletsync", "パレット書き込みを同期させる", "グラフィックメモリーに書き込むパレットを同期させる。", G::Gdi},
    {"FastBlit", "fastbilt", "高速転送を使用する", "高速転送を使用する。", G::Gdi},
    {"CursorShapeSync", "cirsor", "カーソルの形を同期させる", "カーソルの形を同期させる。", G::Gdi},
    {"ColorDithering", "dithering", "ディザリングを有効にする", "ディザリングを有効にする。", G::Gdi},
    {"Indeo as YUV", "indeo", "Indeoムービーを拡大表示", "Indeoビデオ再生時拡大表示に対応させる", G::Gdi},
    {"Cinepak as YUV", "cinepac", "Cinepakムービーを拡大表示", "Cinepacビデオ再生時拡大表示に対応させる", G::Gdi},
    {"Flip On Vblank", "vsync", "垂直回期中にページフリップする", "この設定をoffにするとDirectDrawが高速化します。", G::Gdi},
    {"AlternateFillPolygons", "porigon", "ポリゴンの描画を高速化する", "ポリゴンの描画を高速化する", G::Gdi},
    {"DeviceBitmapsCaching", "device", "DeviceBitmapsをキャッシング", "DeviceBitmapsをキャッシング", G::Gdi},
    // システム設定
    {"Use AGP", "agp", "AGPを使用", "AGPを使用する。", G::System},
    {"Use MMX", "mmx", "MMXの使用", "MMXを使用する。", G::System},
    {"Use 3DNow", "DNow", "3D Now!の使用", "3DNow!を使用する。(K6-2/K6-III/WinChip2のみの設定)", G::System},
    {"Bus Mastering", "busmaster", "バス マスタリングを行う", "バスマスター転送を使用(通常はOnのままで使用)", G::System},
    {"Use Write Combining", "comwrite", "結合書き込みを使用", "結合書き込みを使用(PentiumPro/II/III/Celeron専用の設定です)", G::System},
    {"TVOutput", "TVout", "TV Outを使用する。", "Mystique G200､Marvel G200専用の設定。TV Out機能を使用するかの設定", G::System},
    // Direct3D関連の諸設定
    {"SplitMode", "toc", "テクスチャを圧縮して使用", "テクスチャを圧縮して使用", G::D3DGen},
    {"YUV Filtering", "filter", "拡大表示時にフィルタリングを行う", "拡大表示時にフィルタリングを行う", G::D3DGen},
    {"D3DRendering", "d3drender", "Direct3Dでレンダリングをする", "Direct3Dでレンダリングをする", G::D3DGen},
    {"32BitZ", "zbuff", "深度32BitのZBufferを使用する", "32Bitカラー時、ZBufferを16Bitか32Bitにするかの設定", G::D3DGen},
    {"Palettized Textures", "palettized", "Palettized Texturesを有効にする", "Palettized Texturesを有効にする", G::D3DGen},
    {"Use Triple Buffering", "triple", "トリプルバッファリングを使用", "トリプルバッファを使用する。", G::D3DGen},
    // Direct3Dフィルタの設定
    {"Use Subpixel", "subpixel", "SubPixel accuracyフィルタ", "SubPixel accuracyフィルタ(FinalRealityをご使用の場合はOnにしてください)", G::D3DFilter},
    {"Anisotropic", "anisotropic", "Anisotropicフィルタ", "Anisotropicフィルタを使うかどうかの設定", G::D3DFilter},
    {"AntiAlias", "AntiAlias", "AntiAliasフィルタ", "AntiAliasフィルタを使うかどうかの設定", G::D3DFilter},
    {"Table Fog", "TableFog", "Table Fogフィルタ", "Table Fogフィルタを使うかどうかの設定", G::D3DFilter},
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
