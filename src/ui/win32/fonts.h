#pragma once
// The interface font (the Japanese UI font, or the English dialog font) and its bold, underlined
// and larger variants, made once and kept.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace ui::win32 {

class Fonts {
 public:
  Fonts();
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // heightPixels 0 is the usual size (12 pixels in Japanese, 11 in English).
  HFONT get(bool bold, bool underline, int heightPixels);
  const std::string& face() const { return face_; }

 private:
  std::string face_;
  BYTE charset_ = SHIFTJIS_CHARSET;
  int defaultHeight_ = 12;
  std::map<std::tuple<bool, bool, int>, HFONT> made_;
};

}  // namespace ui::win32
