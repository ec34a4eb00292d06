#include "ui/win32/fonts.h"

#include <cstring>

#include "text/catalogue.h"

namespace ui::win32 {
namespace {

int CALLBACK noteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool hasFace(HDC dc, const char* face, BYTE charset) {
  LOGFONTA wanted{};
  wanted.lfCharSet = charset;
  std::strncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExA(dc, &wanted, noteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

Fonts::Fonts() {
  if (text::language() == text::Language::English) {
    // The English Windows dialog font; where it is missing the system's own GUI font is used.
    charset_ = ANSI_CHARSET;
    defaultHeight_ = 11;  // 8 points at 96 dots per inch
    HDC dc = GetDC(nullptr);
    if (dc && hasFace(dc, "MS Sans Serif", ANSI_CHARSET)) {
      face_ = "MS Sans Serif";
    } else {
      LOGFONTA system{};
      if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system)) {
        face_ = system.lfFaceName;
        if (system.lfHeight != 0)
          defaultHeight_ = system.lfHeight < 0 ? -system.lfHeight : system.lfHeight;
      }
    }
    if (dc) ReleaseDC(nullptr, dc);
    return;
  }
  // The Japanese Windows UI font first; on other systems (Wine) a Gothic face that has the
  // Shift-JIS character set. The names are in code page 932.
  const char* candidates[] = {
      "MS UI Gothic",
      "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",  // ＭＳ Ｐゴシック
      "IPAPGothic", "IPAGothic", "VL PGothic", "Noto Sans CJK JP"};
  HDC dc = GetDC(nullptr);
  for (const char* face : candidates) {
    if (dc && hasFace(dc, face, SHIFTJIS_CHARSET)) {
      face_ = face;
      break;
    }
  }
  if (dc) ReleaseDC(nullptr, dc);
}

Fonts::~Fonts() {
  for (auto& entry : made_) DeleteObject(entry.second);
}

HFONT Fonts::get(bool bold, bool underline, int heightPixels) {
  const auto key = std::make_tuple(bold, underline, heightPixels);
  auto it = made_.find(key);
  if (it != made_.end()) return it->second;
  LOGFONTA font{};
  font.lfHeight = -(heightPixels > 0 ? heightPixels : defaultHeight_);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = charset_;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strncpy(font.lfFaceName, face_.c_str(), LF_FACESIZE - 1);
  HFONT made = CreateFontIndirectA(&font);
  if (!made) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  made_[key] = made;
  return made;
}

}  // namespace ui::win32
