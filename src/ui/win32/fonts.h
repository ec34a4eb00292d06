#pragma once
// The Japanese UI font and its bold, underlined and larger variants, made once and kept.
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

  // heightPixels 0 is the usual 12-pixel size.
  HFONT get(bool bold, bool underline, int heightPixels);
  const std::string& face() const { return face_; }

 private:
  std::string face_;
  std::map<std::tuple<bool, bool, int>, HFONT> made_;
};

}  // namespace ui::win32
