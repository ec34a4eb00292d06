// The exe's own reports of misused containers: same messages as the library's, and still
// caught where any std::exception is (the error dispatcher shows what() in the error box).
#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace {

std::string messageOf(void (*misuse)()) {
  try {
    misuse();
  } catch (const platform::ProgramFault& e) {
    const std::exception& caughtAsStandard = e;
    return caughtAsStandard.what();
  }
  return "no ProgramFault";
}

TEST(LeanThrows, PositionMessagesAreFilledInAsTheLibraryDoes) {
  EXPECT_EQ("vector::_M_range_check: __n (which is 7) >= this->size() (which is 3)",
            messageOf([] { std::vector<int>(3).at(7); }));
  EXPECT_EQ("vector::_M_range_check: __n (which is 0) >= this->size() (which is 0)",
            messageOf([] { std::vector<char>().at(0); }));
}

TEST(LeanThrows, PlainMessagesPassUnchanged) {
  EXPECT_EQ("vector::reserve", messageOf([] {
              std::vector<int> v;
              v.reserve(v.max_size() + 1);
            }));
}

TEST(LeanThrows, UserErrorsKeepTheirMessageWhenCopied) {
  const platform::UserError original(std::string("ファイル C:\\x は開けません"));
  const platform::UserError copy = original;
  const std::exception& asStandard = copy;
  EXPECT_STREQ("ファイル C:\\x は開けません", asStandard.what());
}

}  // namespace
