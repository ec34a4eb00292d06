// The exe's own operator new and delete: what the runtime's did (a zero size is a real block,
// the new handler is asked until it gives up, then std::bad_alloc or, for the nothrow forms,
// null), and the std::string members the exe builds for itself behave as the library's
// (check_string_copy.sh: and they are the ones it links).
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>

namespace {

// More than a 32-bit process can ever get in one block.
constexpr std::size_t kImpossible = std::size_t(0x7FFFFFF0u);

int handlerCalls = 0;

// Asked twice, then gives up as a handler does that has nothing left to free.
void freeNothingTwice() {
  if (++handlerCalls == 2) std::set_new_handler(nullptr);
}

TEST(Allocation, AZeroSizeIsARealBlockOfItsOwn) {
  void* a = ::operator new(0);
  void* b = ::operator new(0);
  EXPECT_NE(a, nullptr);
  EXPECT_NE(b, nullptr);
  EXPECT_NE(a, b);
  ::operator delete(a);
  ::operator delete(b, std::size_t(0));
  int* many = new int[1000]();
  EXPECT_EQ(many[999], 0);
  delete[] many;
}

TEST(Allocation, TheNewHandlerIsAskedUntilItGivesUpThenBadAlloc) {
  handlerCalls = 0;
  std::set_new_handler(freeNothingTwice);
  EXPECT_THROW(static_cast<void>(::operator new(kImpossible)), std::bad_alloc);
  EXPECT_EQ(handlerCalls, 2);
  EXPECT_THROW(static_cast<void>(::operator new[](kImpossible)), std::bad_alloc);
  std::set_new_handler(nullptr);
}

TEST(Allocation, TheNothrowFormsGiveNullInstead) {
  handlerCalls = 0;
  std::set_new_handler(freeNothingTwice);
  EXPECT_EQ(::operator new(kImpossible, std::nothrow), nullptr);
  EXPECT_EQ(handlerCalls, 2);
  EXPECT_EQ(::operator new[](kImpossible, std::nothrow), nullptr);
  void* some = ::operator new(16, std::nothrow);
  EXPECT_NE(some, nullptr);
  ::operator delete(some, std::nothrow);
  std::set_new_handler(nullptr);
}

TEST(Allocation, StringMembersBuiltHereCompareFindAndCutAsTheLibrarySays) {
  // Through pointers, so that the members the exe links run, not code inlined from the header.
  using S = std::string;
  int (S::*compare)(const char*) const = &S::compare;
  S::size_type (S::*find)(char, S::size_type) const = &S::find;
  S (S::*substr)(S::size_type, S::size_type) const = &S::substr;
  const S name = "Flip On Vblank";
  EXPECT_EQ((name.*compare)("Flip On Vblank"), 0);
  EXPECT_LT((name.*compare)("Flip On Vblank2"), 0);
  EXPECT_GT((name.*compare)("Flip"), 0);
  EXPECT_EQ((name.*find)('V', 0), 8u);
  EXPECT_EQ((name.*find)('x', 0), S::npos);
  EXPECT_EQ((name.*substr)(5, 2), "On");
  EXPECT_EQ((name.*substr)(8, S::npos), "Vblank");
  EXPECT_EQ(S("C:\\Program Files\\Corvane\\corvane.exe").find_last_of("\\/"), 24u);
}

}  // namespace
