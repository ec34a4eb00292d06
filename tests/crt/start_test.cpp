// The runtime's Windows pieces under Wine: the heap on the process heap, atexit's order, the
// static objects' lists as the linker lays them out, and the command line WinMain gets.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "crt/crt_names.h"

namespace {

TEST(CrtHeap, BlocksAreRealZeroedGrownAndFreed) {
  void* a = crt_malloc(0);
  void* b = crt_malloc(0);
  ASSERT_NE(a, nullptr);
  EXPECT_NE(a, b) << "a zero size is a block of its own";
  crt_free(a);
  crt_free(b);
  crt_free(nullptr);

  auto* zeros = static_cast<unsigned char*>(crt_calloc(100, 3));
  ASSERT_NE(zeros, nullptr);
  for (int i = 0; i < 300; ++i) ASSERT_EQ(zeros[i], 0);
  crt_free(zeros);
  // 0x40000001 blocks of 4 bytes wrap round to 4 bytes in 32 bits: refused, not a small block.
  EXPECT_EQ(crt_calloc(std::size_t(0x40000001u), 4), nullptr) << "a product that wraps";

  auto* grown = static_cast<char*>(crt_realloc(nullptr, 4));
  ASSERT_NE(grown, nullptr);
  crt_memcpy(grown, "G200", 4);
  grown = static_cast<char*>(crt_realloc(grown, 100000));
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(std::string(grown, 4), "G200") << "the contents move with the block";
  EXPECT_EQ(crt_realloc(grown, 0), nullptr) << "a zero size frees";
  EXPECT_EQ(crt_malloc(0x7FFFFFF0u), nullptr);
}

std::vector<int> ran;
void first() { ran.push_back(1); }
void second() { ran.push_back(2); }
void registersAnother() {
  ran.push_back(3);
  crt_atexit(first);
}

TEST(CrtExit, FunctionsRunInReverseOrderOnceEachEvenWhenOneRegistersAnother) {
  ran.clear();
  ASSERT_EQ(crt_atexit(first), 0);
  ASSERT_EQ(crt_atexit(registersAnother), 0);
  ASSERT_EQ(crt_atexit(second), 0);
  crt_run_exit_functions();
  EXPECT_EQ(ran, (std::vector<int>{2, 3, 1, 1}));
  ran.clear();
  crt_run_exit_functions();
  EXPECT_TRUE(ran.empty()) << "nothing is left to run twice";
}

void a() { ran.push_back(10); }
void b() { ran.push_back(20); }
void c() { ran.push_back(30); }

TEST(CrtStart, StaticsAreMadeFromTheListsEndAndDestroyedFromItsStart) {
  crt_function list[] = {reinterpret_cast<crt_function>(std::intptr_t(-1)), a, b, c, nullptr};
  ran.clear();
  crt_construct_statics(list);
  EXPECT_EQ(ran, (std::vector<int>{30, 20, 10}));
  ran.clear();
  crt_destroy_statics(list);
  EXPECT_EQ(ran, (std::vector<int>{10, 20, 30}));
  crt_function empty[] = {reinterpret_cast<crt_function>(std::intptr_t(-1)), nullptr};
  ran.clear();
  crt_construct_statics(empty);
  crt_destroy_statics(empty);
  EXPECT_TRUE(ran.empty());
}

TEST(CrtStart, WinMainGetsTheCommandLineWithoutTheProgramsName) {
  const struct {
    const char* line;
    const char* arguments;
  } rows[] = {
      {"\"C:\\Program Files\\Corvane\\corvane.exe\" /clock 120", "/clock 120"},
      {"C:\\PROGRA~1\\CORVANE\\CORVANE.EXE /run \"C:\\Games\\Unreal.exe\"",
       "/run \"C:\\Games\\Unreal.exe\""},
      {"corvane.exe", ""},
      {"corvane.exe   \t /ja ", "/ja "},
      {"\"C:\\Program Files\\Corvane\\corvane.exe\"", ""},
      {"\"C:\\unclosed quote /en", ""},
      {"\"C:\\x\"/en", "/en"},
      {"", ""},
      {"\"C:\\\x83\x5c\x83\x74\x83\x67\\corvane.exe\" /en", "/en"},  // a Shift-JIS folder
  };
  for (const auto& row : rows)
    EXPECT_STREQ(crt_arguments_after_program(row.line), row.arguments) << row.line;
  EXPECT_STREQ(crt_arguments_after_program(nullptr), "");
}

}  // namespace
