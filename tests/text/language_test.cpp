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
  EXPECT_EQ(chooseLanguage(1252, "/ja"), Language::Japanese);
  EXPECT_EQ(chooseLanguage(1252, "  /JA  "), Language::Japanese);
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
