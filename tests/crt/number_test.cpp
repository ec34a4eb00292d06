// strtol of the program's own runtime: what the standard says for every base, the sign, the
// end pointer, and a number out of range (clamped, ERANGE), which the program's reading of whole
// numbers relies on.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <string>

#include "crt/crt_names.h"

namespace {

struct Row {
  const char* text;
  int base;
  long value;
  std::size_t used;  // characters taken
  int error;
};

TEST(CrtNumber, StrtolReadsWhatTheStandardSays) {
  const Row rows[] = {
      {"120", 10, 120, 3, 0},
      {"  \t-42MHz", 10, -42, 6, 0},
      {"+7", 10, 7, 2, 0},
      {"0x1F", 16, 31, 4, 0},
      {"0x1F", 0, 31, 4, 0},
      {"0X1f", 0, 31, 4, 0},
      {"017", 0, 15, 3, 0},
      {"0", 0, 0, 1, 0},
      {"0xZ", 16, 0, 1, 0},  // the 0 only: no hex digit follows the x
      {"zz", 36, 35 * 36 + 35, 2, 0},
      {"101", 2, 5, 3, 0},
      {"", 10, 0, 0, 0},
      {"-", 10, 0, 0, 0},
      {"abc", 10, 0, 0, 0},
      {"12", 1, 0, 0, EINVAL},
      {"12", 37, 0, 0, EINVAL},
  };
  for (const Row& row : rows) {
    *crt__errno() = 0;
    char* end = nullptr;
    EXPECT_EQ(crt_strtol(row.text, &end, row.base), row.value) << row.text;
    EXPECT_EQ(static_cast<std::size_t>(end - row.text), row.used) << row.text;
    EXPECT_EQ(*crt__errno(), row.error) << row.text;
  }
  EXPECT_EQ(crt_strtol("99", nullptr, 10), 99) << "no end pointer asked for";
}

TEST(CrtNumber, StrtolClampsOutOfRangeAndSaysSo) {
  const std::string max = std::to_string(LONG_MAX);
  const std::string min = std::to_string(LONG_MIN);
  const std::string above = max.substr(0, max.size() - 1) + char(max.back() + 1);
  const std::string below = min.substr(0, min.size() - 1) + char(min.back() + 1);
  struct Case {
    std::string text;
    long value;
    int error;
  } cases[] = {{max, LONG_MAX, 0},        {min, LONG_MIN, 0},
               {above, LONG_MAX, ERANGE}, {below, LONG_MIN, ERANGE},
               {max + "0", LONG_MAX, ERANGE}, {"-" + max + "00", LONG_MIN, ERANGE}};
  for (const Case& c : cases) {
    *crt__errno() = 0;
    char* end = nullptr;
    EXPECT_EQ(crt_strtol(c.text.c_str(), &end, 10), c.value) << c.text;
    EXPECT_EQ(*crt__errno(), c.error) << c.text;
    EXPECT_EQ(*end, '\0') << "every digit is taken, in range or not: " << c.text;
  }
}

}  // namespace
