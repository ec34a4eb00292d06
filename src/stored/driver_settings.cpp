#include "stored/driver_settings.h"

namespace stored {
namespace {

const char* const kNames[kDriverValueCount] = {
    "Analog Joystick", "Force DDC", "HicolorMode", "ShowMeAllMatrox", "Win98 Virtual",
    "Circles", "Rectangles", "Ellipses", "FontsCaching", "PaletteWriteSync", "FastBlit",
    "CursorShapeSync", "ColorDithering", "Indeo as YUV", "Cinepak as YUV", "Flip On Vblank",
    "AlternateFillPolygons", "DeviceBitmapsCaching",
    "Use AGP", "Use MMX", "Use 3DNow", "Bus Mastering", "Use Write Combining", "TVOutput",
    "SplitMode", "YUV Filtering", "D3DRendering", "32BitZ", "Palettized Textures",
    "Use Triple Buffering",
    "Use Subpixel", "Anisotropic", "AntiAlias", "Table Fog",
    "AGPFlags", "ShowHotKeys", "ShowSupport"};

// The driver ignores this spelling ("Win98 Virtual" is the one in use).
constexpr const char* kOldVirtualDesktop = "Win98Virtual";
constexpr const char* kMonitorName = "OrgMonName";

}  // namespace

const char* valueName(DriverValue value) { return kNames[static_cast<int>(value)]; }

DriverSettings::DriverSettings(Registry& registry, Access access)
    : key_(registry, keys::kDriverSettings, access) {}

void DriverSettings::removeOldVirtualDesktopSpelling() {
  if (key_.has(kOldVirtualDesktop)) key_.remove(kOldVirtualDesktop);
}

std::optional<std::string> DriverSettings::monitorName() {
  return key_.textIfPresent(kMonitorName);
}

}  // namespace stored
