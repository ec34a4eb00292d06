// Japanese where Windows shows Japanese, English elsewhere, and the two switches for one run.
#include <gtest/gtest.h>

#include "text/language.h"

using text::chooseLanguage;
using text::Language;

TEST(Language, TheAnsiCodePageDecidesWithoutASwitch) {
  EXPECT_EQ(chooseLanguage(932, ""), Language::Japanese);
  EXPECT_EQ(chooseLanguage(1252, ""), Language::English);
  EXPECT_EQ(chooseLanguage(1251, ""), Language::English);
  EXPECT_EQ(chooseLanguage(936, ""), Language::English) << "Chinese Windows cannot show every kana";
}

TEST(Language, ASwitchOverridesTheCodePageAndTheLastOneWins) {
  EXPECT_EQ(chooseLanguage(932, "/en"), Language::English);
  EXPECT_EQ(chooseLanguage(932, "  /JA  "), Language::Japanese);
  EXPECT_EQ(chooseLanguage(932, "/ja /En"), Language::English);
  EXPECT_EQ(chooseLanguage(932, "\"C:\\Program Files\\Corvane\\corvane.exe\" /en"),
            Language::English);
}

TEST(Language, OnlyAWholeWordIsASwitch) {
  EXPECT_EQ(chooseLanguage(932, "/english"), Language::Japanese);
  EXPECT_EQ(chooseLanguage(932, "x/en"), Language::Japanese);
  EXPECT_EQ(chooseLanguage(932, "\"C:\\a /en b\\corvane.exe\""), Language::Japanese)
      << "a folder name in quotes is not a switch";
  EXPECT_EQ(chooseLanguage(1252, "/jap"), Language::English);
}

TEST(Language, JapaneseIsRefusedWhereWindowsCannotShowIt) {
  // Any other code page turns every kana into "?": the program speaks English and says why.
  EXPECT_EQ(chooseLanguage(1252, "/ja"), Language::English);
  EXPECT_EQ(chooseLanguage(936, "/JA"), Language::English);
  EXPECT_TRUE(text::japaneseRefused(1252, "/ja"));
  EXPECT_TRUE(text::japaneseRefused(1251, "/en /ja"));
  EXPECT_FALSE(text::japaneseRefused(1252, "/ja /en")) << "the last switch asked for English";
  EXPECT_FALSE(text::japaneseRefused(1252, ""));
  EXPECT_FALSE(text::japaneseRefused(932, "/ja"));
}
