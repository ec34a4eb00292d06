// The installed exception filter, called with made-up invalid-instruction exceptions.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "p6emu/win32/p6emu_win32.h"

namespace {

int previousCalls = 0;

LONG WINAPI previousFilter(EXCEPTION_POINTERS*) {
  previousCalls++;
  return EXCEPTION_EXECUTE_HANDLER;
}

DWORD addressOf(const void* p) { return DWORD(reinterpret_cast<uintptr_t>(p)); }

struct MadeUpException {
  EXCEPTION_RECORD record{};
  CONTEXT context{};
  EXCEPTION_POINTERS pointers{&record, &context};
  MadeUpException(DWORD code, const uint8_t* at) {
    record.ExceptionCode = code;
    context.ContextFlags = CONTEXT_FULL | CONTEXT_FLOATING_POINT;
    context.Eip = addressOf(at);
    context.EFlags = 0x202;
  }
};

class P6Filter : public testing::Test {
 protected:
  void SetUp() override {
    original = SetUnhandledExceptionFilter(previousFilter);
    p6emu_install_exception_filter();
    installed = SetUnhandledExceptionFilter(p6emu_exception_filter);
    previousCalls = 0;
  }
  void TearDown() override { SetUnhandledExceptionFilter(original); }
  LPTOP_LEVEL_EXCEPTION_FILTER original = nullptr, installed = nullptr;
};

TEST_F(P6Filter, CarriesOutCmovAndContinues) {
  ASSERT_EQ(&p6emu_exception_filter, installed);
  const uint8_t code[] = {0x0F, 0x44, 0xC8, 0x0F, 0x45, 0x0B};  // cmove ecx,eax; cmovne ecx,[ebx]
  const uint32_t value = 0x600DF00D;
  MadeUpException e(EXCEPTION_ILLEGAL_INSTRUCTION, code);
  e.context.EFlags |= 0x40;  // ZF
  e.context.Eax = 5;
  e.context.Ebx = addressOf(&value);
  EXPECT_EQ(EXCEPTION_CONTINUE_EXECUTION, installed(&e.pointers));
  EXPECT_EQ(5u, e.context.Ecx);
  EXPECT_EQ(addressOf(code + 3), e.context.Eip);
  e.context.EFlags = 0x202;
  EXPECT_EQ(EXCEPTION_CONTINUE_EXECUTION, installed(&e.pointers));
  EXPECT_EQ(value, e.context.Ecx);
  EXPECT_EQ(addressOf(code + 6), e.context.Eip);
  EXPECT_EQ(0, previousCalls);
}

TEST_F(P6Filter, PassesOnEverythingElse) {
  const uint8_t code[] = {0x0F, 0x0B, 0x0F, 0x44, 0x0B, 0xDF, 0xF1};  // ud2; cmove ecx,[ebx]; fcomip
  MadeUpException ud2(EXCEPTION_ILLEGAL_INSTRUCTION, code);
  MadeUpException accessViolation(EXCEPTION_ACCESS_VIOLATION, code + 2);
  MadeUpException unreadable(EXCEPTION_ILLEGAL_INSTRUCTION, code + 2);  // ebx = 0
  MadeUpException noFpuState(EXCEPTION_ILLEGAL_INSTRUCTION, code + 5);
  noFpuState.context.ContextFlags = CONTEXT_FULL;
  for (MadeUpException* e : {&ud2, &accessViolation, &unreadable, &noFpuState}) {
    const DWORD eip = e->context.Eip;
    EXPECT_EQ(EXCEPTION_EXECUTE_HANDLER, installed(&e->pointers));
    EXPECT_EQ(eip, e->context.Eip);
  }
  EXPECT_EQ(4, previousCalls);

  SetUnhandledExceptionFilter(nullptr);
  p6emu_install_exception_filter();
  EXPECT_EQ(EXCEPTION_CONTINUE_SEARCH, p6emu_exception_filter(&ud2.pointers));
}

}  // namespace
