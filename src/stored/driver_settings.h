#pragma once
// The display driver's key: its switches, each a text "1" (on) or "0" (off), "AGPFlags" with its
// three states, and what the program reads there beside them. The driver reads these at the next
// Windows start.
#include <optional>
#include <string>

#include "stored/registry_key.h"

namespace stored {

// Every driver value the program writes. The first 34 are the registry tab's boxes, in the
// order of its table; then the AGP speed and the two values the removal writes. This order is
// the backups' order too.
enum class DriverValue : unsigned char {
  AnalogJoystick, ForceDdc, HicolorMode, ShowMeAllMatrox, VirtualDesktop,
  Circles, Rectangles, Ellipses, FontsCaching, PaletteWriteSync, FastBlit, CursorShapeSync,
  ColorDithering, IndeoAsYuv, CinepakAsYuv, FlipOnVblank, AlternateFillPolygons,
  DeviceBitmapsCaching,
  UseAgp, UseMmx, Use3DNow, BusMastering, UseWriteCombining, TvOutput,
  SplitMode, YuvFiltering, D3DRendering, ZBuffer32Bit, PalettizedTextures, UseTripleBuffering,
  UseSubpixel, Anisotropic, AntiAlias, TableFog,
  AgpFlags, ShowHotKeys, ShowSupport,
};
inline constexpr int kDriverValueCount = int(DriverValue::ShowSupport) + 1;

// The value's name in the driver's key ("Analog Joystick").
const char* valueName(DriverValue value);

class DriverSettings {
 public:
  explicit DriverSettings(Registry& registry,
                          Access access = Access::CreateIfMissing);

  // On only when the stored text is exactly "1"; missing, empty or anything else is off.
  bool isOn(DriverValue value) { return key_.text(valueName(value)) == "1"; }
  std::string text(DriverValue value) { return key_.text(valueName(value)); }
  void write(DriverValue value, bool on) { key_.writeText(valueName(value), on ? "1" : "0"); }
  void writeText(DriverValue value, const std::string& text) {
    key_.writeText(valueName(value), text);
  }
  void remove(DriverValue value) { key_.remove(valueName(value)); }

  // The old spelling of the virtual-desktop switch goes, when it is there.
  void removeOldVirtualDesktopSpelling();
  // The monitor's name as the driver found it; nothing when it is not stored.
  std::optional<std::string> monitorName();

 private:
  RegistryKey key_;
};

}  // namespace stored
