#include <gtest/gtest.h>

#include <climits>

#include "platform/errors.h"
#include "platform/text.h"

TEST(ErrorText, FullStopFollowsMessagesWhoseLastCharacterSortsAfterIt) {
  EXPECT_EQ(platform::withFullStop("ファイル C:\\x は開けません"), "ファイル C:\\x は開けません.");
  EXPECT_EQ(platform::withFullStop("終わり。"), "終わり。.");
  EXPECT_EQ(platform::withFullStop("done."), "done.");
  EXPECT_EQ(platform::withFullStop("stop!"), "stop!");
  EXPECT_EQ(platform::withFullStop("x"), "x.");
}

TEST(Utf8, RoundTripsThroughUtf16IncludingAstralAndBrokenBytes) {
  const std::string text = "Ｍ II ｢ゲーム｣ \xC2\xA9 \xF0\x9F\x98\x80 \xF0\x90\x80\x80";  // U+10000 too
  EXPECT_EQ(platform::utf16ToUtf8(platform::utf8ToUtf16(text)), text);
  EXPECT_EQ(platform::utf8ToCodePoints("a\xFF" "b"), (std::u32string{U'a', 0xFFFD, U'b'}));
  EXPECT_EQ(platform::utf8ToCodePoints("\xE3\x81"), (std::u32string{0xFFFD, 0xFFFD}));
  // A surrogate without its partner, as a Windows name may hold one, is U+FFFD.
  const std::string bad = "\xEF\xBF\xBD";
  EXPECT_EQ(platform::utf16ToUtf8({0xD800, u'x', 0xDC00, 0xDC00}), bad + "x" + bad + bad);
  EXPECT_EQ(platform::utf16ToUtf8({0xDBFF, 0xE000, 0xDBFF}), bad + "\xEE\x80\x80" + bad);
  EXPECT_EQ(platform::utf16ToUtf8({0xD800, 0xDC00}), "\xF0\x90\x80\x80");  // a pair first
  EXPECT_EQ(platform::codePointsToUtf8({0x7F, 0x80, 0x7FF, 0x800, 0xFFFF}),
            "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF");
}

TEST(Utf8, OverlongFormsSurrogatesAndValuesBeyondUnicodeAreNotText) {
  // An overlong "/" would slip past any check for the real one.
  EXPECT_EQ(platform::utf8ToCodePoints("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));
  EXPECT_EQ(platform::utf8ToCodePoints("\xE0\x80\xAF"), (std::u32string(3, 0xFFFD)));
  EXPECT_EQ(platform::utf8ToCodePoints("\xE0\xA0\x80"), (std::u32string{0x800}));
  EXPECT_EQ(platform::utf8ToCodePoints("\x80\xFC\x80\x80\x80"), (std::u32string(5, 0xFFFD)));
  EXPECT_EQ(platform::utf8ToCodePoints("\xED\xA0\x80"), (std::u32string(3, 0xFFFD)));
  EXPECT_EQ(platform::utf8ToCodePoints("\xF4\x90\x80\x80"), (std::u32string(4, 0xFFFD)));
  EXPECT_EQ(platform::utf8ToCodePoints("\xF4\x8F\xBF\xBF"), (std::u32string{0x10FFFF}));
  EXPECT_EQ(platform::utf8ToCodePoints("\xEF\xBF\xBD"), (std::u32string{0xFFFD}));
}

TEST(CommandLines, PathsWithBlanksAreQuotedOthersAreNot) {
  EXPECT_EQ(platform::quoteIfBlank("C:\\Program Files\\clk.bat"), "\"C:\\Program Files\\clk.bat\"");
  EXPECT_EQ(platform::quoteIfBlank("C:\\G200\\clk.bat"), "C:\\G200\\clk.bat");
}

TEST(DisplayText, OutsideTextIsCutAfterSoManyCharactersWithAMark) {
  EXPECT_EQ(platform::clipForDisplay("短い"), "短い");
  EXPECT_EQ(platform::clipForDisplay(std::string(1024, 'a')), std::string(1024, 'a'));
  EXPECT_EQ(platform::clipForDisplay(std::string(1025, 'a')), std::string(1024, 'a') + "…");
  EXPECT_EQ(platform::clipForDisplay("ａｂｃｄ", 2), "ａｂ…") << "whole characters, never half of one";
  EXPECT_EQ(platform::clipForDisplay("", 0), "");
}

TEST(ZeroPadded, WritesWhatPrintfsZeroPaddedFieldWritesAndWholeNumberReadsItBack) {
  EXPECT_EQ(platform::zeroPadded(7, 4), "0007");
  EXPECT_EQ(platform::zeroPadded(10, 4), "0010");
  EXPECT_EQ(platform::zeroPadded(12345, 4), "12345");  // never cut
  EXPECT_EQ(platform::zeroPadded(0, 2), "00");
  EXPECT_EQ(platform::zeroPadded(-5, 3), "-05");  // the sign counts towards the width
  EXPECT_EQ(platform::zeroPadded(-5, 1), "-5");
  EXPECT_EQ(platform::zeroPadded(5, 0), "5");
  EXPECT_EQ(platform::zeroPadded(INT_MIN, 2), "-2147483648");
  EXPECT_EQ(platform::zeroPadded(INT_MAX, 12), "002147483647");
  EXPECT_EQ(platform::wholeNumber("002147483647"), INT_MAX);
  EXPECT_EQ(platform::wholeNumber("-2147483648"), INT_MIN);
  EXPECT_EQ(platform::wholeNumber("2147483648"), std::nullopt);
  EXPECT_EQ(platform::wholeNumber("-2147483649"), std::nullopt);
}
