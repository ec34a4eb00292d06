// The interface font in each language: the Japanese UI font at 12 pixels, or in English the
// English Windows dialog font, MS Sans Serif 8 pt (11 pixels), in the Western character set.
#include <gtest/gtest.h>

#include "text/catalogue.h"
#include "ui/win32/fonts.h"

namespace {

struct LanguageScope {
  explicit LanguageScope(text::Language language) { text::setLanguage(language); }
  ~LanguageScope() { text::setLanguage(text::Language::Japanese); }
};

LOGFONTA describe(HFONT font) {
  LOGFONTA described{};
  GetObjectA(font, sizeof described, &described);
  return described;
}

}  // namespace

TEST(Fonts, EnglishUsesTheDialogFontOfAnEnglishWindows) {
  LanguageScope english(text::Language::English);
  ui::win32::Fonts fonts;
  EXPECT_EQ(fonts.face(), "MS Sans Serif");
  const LOGFONTA usual = describe(fonts.get(false, false, 0));
  EXPECT_EQ(usual.lfHeight, -11);
  EXPECT_EQ(usual.lfCharSet, ANSI_CHARSET);
  EXPECT_STREQ(usual.lfFaceName, "MS Sans Serif");
  const LOGFONTA title = describe(fonts.get(true, false, 20));
  EXPECT_EQ(title.lfHeight, -20);
  EXPECT_EQ(title.lfWeight, FW_BOLD);
}

TEST(Fonts, JapaneseKeepsItsGothicFontInShiftJis) {
  ui::win32::Fonts fonts;
  EXPECT_NE(fonts.face(), "MS Sans Serif");
  const LOGFONTA usual = describe(fonts.get(false, false, 0));
  EXPECT_EQ(usual.lfHeight, -12);
  EXPECT_EQ(usual.lfCharSet, SHIFTJIS_CHARSET);
}
