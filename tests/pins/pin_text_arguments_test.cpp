// pin-text's own reading of a Windows command line, and its refusal of what code page 932 lacks.
#include <gtest/gtest.h>

#include "code_page.h"
#include "platform/text.h"

namespace {

std::vector<std::string> split(const std::string& utf8) {
  std::vector<std::string> words;
  for (const auto& w : pintext::splitCommandLine(platform::utf8ToUtf16(utf8)))
    words.push_back(platform::utf16ToUtf8(w));
  return words;
}

using Words = std::vector<std::string>;

}  // namespace

TEST(PinTextArguments, WindowsCommandLinesSplitAsTheRuntimeSplitsThem) {
  EXPECT_EQ(split("\"C:\\Program Files\\pin-text.exe\" --serial \"ＸＹ 123 テスト\""),
            (Words{"C:\\Program Files\\pin-text.exe", "--serial", "ＸＹ 123 テスト"}));
  EXPECT_EQ(split("pin-text.exe  --serial=KJ1Ü34567\t--date 6/12/2026 "),
            (Words{"pin-text.exe", "--serial=KJ1Ü34567", "--date", "6/12/2026"}));
  EXPECT_EQ(split("a \\\\\\\"x \\\\\"y z\" c\\\\d \"\"\"\" \"\""),
            (Words{"a", "\\\"x", "\\y z", "c\\\\d", "\"", ""}));
  EXPECT_EQ(split("\"C:\\a b\\p.exe\""), (Words{"C:\\a b\\p.exe"}));
}

TEST(PinTextArguments, CodePage932CarriesJapaneseAndRefusesTheRest) {
  EXPECT_EQ(pintext::toCodePage932("ＸＹ 123 テスト"),
            std::string("\x82\x77\x82\x78 123 \x83\x65\x83\x58\x83\x67"));
  EXPECT_FALSE(pintext::toCodePage932("KJ1Ü34567"));
  EXPECT_FALSE(pintext::toCodePage932("😀"));
}
