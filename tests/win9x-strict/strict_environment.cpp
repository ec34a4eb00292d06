// Part of every test program under Wine: the Windows 9x strict mode runs from the first test to
// the last, and the program fails when the code under test passed Windows anything that Windows
// 95/98 refuse (the refusals are named with the test that was running).
#include <gtest/gtest.h>

#include "strict_mode.h"

namespace {

std::string g_refusals;

class RefusalsPerTest : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo& test) override {
    const std::string lines = strict::newRefusals();
    if (lines.empty()) return;
    g_refusals += std::string(test.test_suite_name()) + "." + test.name() + ":\n" + lines;
    std::printf("Windows 95/98 would refuse, in %s.%s:\n%s", test.test_suite_name(), test.name(),
                lines.c_str());
  }
};

class StrictMode : public ::testing::Environment {
  void SetUp() override {
    strict::start();
    ::testing::UnitTest::GetInstance()->listeners().Append(new RefusalsPerTest);
  }
  void TearDown() override {
    g_refusals += strict::newRefusals();
    if (!g_refusals.empty())
      ADD_FAILURE() << "Windows 95/98 would refuse what these tests passed:\n" << g_refusals;
  }
};

const auto* const g_strictMode = ::testing::AddGlobalTestEnvironment(new StrictMode);

}  // namespace
