// The runtime's memory and string functions against what the C standard says, at every length
// and alignment around a word, so that both the word part and the byte rest of each copy are
// covered; overlapping moves both ways.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crt/crt_names.h"

namespace {

std::vector<unsigned char> numbered(std::size_t size) {
  std::vector<unsigned char> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 1);
  return bytes;
}

TEST(CrtMemory, CopyAndFillTouchExactlyTheirBytesAtEveryAlignment) {
  for (std::size_t from = 0; from < 4; ++from) {
    for (std::size_t to = 0; to < 4; ++to) {
      for (std::size_t size = 0; size < 19; ++size) {
        const auto source = numbered(32);
        std::vector<unsigned char> copy(32, 0xEE), fill(32, 0xEE);
        EXPECT_EQ(crt_memcpy(copy.data() + to, source.data() + from, size), copy.data() + to);
        EXPECT_EQ(crt_memset(fill.data() + to, 0x1A5, size), fill.data() + to);
        for (std::size_t i = 0; i < 32; ++i) {
          const bool inside = i >= to && i < to + size;
          ASSERT_EQ(copy[i], inside ? source[i - to + from] : 0xEE) << from << to << size << i;
          ASSERT_EQ(fill[i], inside ? 0xA5 : 0xEE) << "only the low byte of the value is written";
        }
      }
    }
  }
}

TEST(CrtMemory, MoveOntoItselfEitherWayKeepsTheSourceBytes) {
  for (int shift = -9; shift <= 9; ++shift) {
    auto bytes = numbered(40);
    const auto before = bytes;
    const std::size_t from = 12, size = 17;
    crt_memmove(bytes.data() + from + shift, bytes.data() + from, size);
    for (std::size_t i = 0; i < size; ++i)
      ASSERT_EQ(bytes[from + shift + i], before[from + i]) << "shift " << shift;
  }
}

TEST(CrtMemory, ComparisonsSortBytesAsUnsignedAndStopWhereTheyShould) {
  EXPECT_EQ(crt_memcmp("abc", "abd", 2), 0);
  EXPECT_LT(crt_memcmp("abc", "abd", 3), 0);
  EXPECT_GT(crt_memcmp("\x90", "\x10", 1), 0);  // a Shift-JIS lead byte sorts after ASCII
  EXPECT_EQ(crt_memcmp("x", "y", 0), 0);
  EXPECT_EQ(crt_strcmp("", ""), 0);
  EXPECT_LT(crt_strcmp("ab", "abc"), 0);
  EXPECT_GT(crt_strcmp("b", "abc"), 0);
  EXPECT_GT(crt_strcmp("\x82\xa0", "z"), 0);
  EXPECT_EQ(crt_strncmp("abcX", "abcY", 3), 0);
  EXPECT_LT(crt_strncmp("abcX", "abcY", 4), 0);
  EXPECT_EQ(crt_strncmp("ab\0X", "ab\0Y", 4), 0);  // nothing is compared past the end
  EXPECT_GT(crt_strncmp("abc", "ab", 5), 0);
  EXPECT_EQ(crt_strlen(""), 0u);
  EXPECT_EQ(crt_strlen("Corvane"), 7u);
}

TEST(CrtMemory, FindAndBoundedCopy) {
  const char text[] = "G200clk.exe";
  EXPECT_EQ(crt_memchr(text, '.', sizeof text), text + 7);
  EXPECT_EQ(crt_memchr(text, '.', 7), nullptr);
  EXPECT_EQ(crt_memchr(text, 0x100 + 'G', 3), text) << "the value is taken as a byte";
  EXPECT_EQ(crt_memchr(text, 0, sizeof text), text + 11);

  char buffer[8];
  crt_memset(buffer, 'Z', sizeof buffer);
  EXPECT_EQ(crt_strncpy(buffer, "abc", 6), buffer);
  EXPECT_EQ(std::string(buffer, 8), std::string("abc\0\0\0ZZ", 8)) << "padded with nulls up to n";
  crt_strncpy(buffer, "abcdefghij", 4);
  EXPECT_EQ(std::string(buffer, 5), std::string("abcd\0", 5)) << "no terminator when it is cut";
}

}  // namespace
