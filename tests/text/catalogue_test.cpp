// The two catalogues name the same texts in the same order, and every English text can be shown
// by an English Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text/catalogue.h"

namespace {

using text::Id;
using text::kTextCount;

int count(const std::string& haystack, const std::string& needle) {
  int found = 0;
  for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1))
    ++found;
  return found;
}

}  // namespace

TEST(Catalogue, EveryJapaneseTextHasItsEnglishOneAtTheSamePlace) {
  for (unsigned i = 0; i < kTextCount; ++i) {
    const Id id = static_cast<Id>(i);
    const text::EnglishEntry& entry = text::kEnglish[i];
    ASSERT_NE(entry.words, nullptr) << "english.inc ends before " << text::nameOf(id);
    EXPECT_EQ(entry.id, id) << "english.inc has " << text::nameOf(entry.id) << " where japanese.inc has "
                            << text::nameOf(id);
  }
}

TEST(Catalogue, NoTextIsEmptyAndEnglishIsPlainAscii) {
  for (unsigned i = 0; i < kTextCount; ++i) {
    const Id id = static_cast<Id>(i);
    const std::string japanese = text::in(text::Language::Japanese, id);
    const std::string english = text::in(text::Language::English, id);
    EXPECT_FALSE(japanese.empty()) << text::nameOf(id);
    EXPECT_FALSE(english.empty()) << text::nameOf(id);
    for (unsigned char c : english)
      EXPECT_TRUE(c == '\n' || (c >= ' ' && c < 0x7F))
          << text::nameOf(id) << ": \"" << english << "\" has a character Windows 1252 may not show";
  }
}

TEST(Catalogue, BothLanguagesTakeTheSameArgumentsAndAtMostOneAccelerator) {
  for (unsigned i = 0; i < kTextCount; ++i) {
    const Id id = static_cast<Id>(i);
    const std::string japanese = text::in(text::Language::Japanese, id);
    const std::string english = text::in(text::Language::English, id);
    EXPECT_EQ(count(japanese, "%s"), count(english, "%s")) << text::nameOf(id);
    EXPECT_LE(count(english, "&"), 1) << text::nameOf(id);
    // A Japanese caption with an accelerator keeps one in English.
    if (japanese.find("(&") != std::string::npos)
      EXPECT_EQ(count(english, "&"), 1) << text::nameOf(id);
  }
}

TEST(Catalogue, TheChosenLanguageDecidesAndJapaneseStaysAsItWas) {
  ASSERT_EQ(text::language(), text::Language::Japanese) << "Japanese until the program chooses";
  EXPECT_STREQ(text::tr(Id::TabGeneral), "一般");
  EXPECT_STREQ(text::tr(Id::ExitButton), "終了(&E)");
  text::setLanguage(text::Language::English);
  EXPECT_STREQ(text::tr(Id::TabGeneral), "General");
  EXPECT_STREQ(text::tr(Id::TitleError), "Error");
  EXPECT_STREQ(text::tr(Id::TitleInformation), "Information");
  text::setLanguage(text::Language::Japanese);
  EXPECT_STREQ(text::tr(Id::TitleInformation), "情報");
}
