#include "platform/process.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace zaveredo::platform {
namespace {

[[gnu::noinline]] void SomeCode() {
  asm volatile("");
}

TEST(Process, OwnModuleIsTheRunningProgramsFileName) {
  EXPECT_EQ(OwnModuleName().View(), program_invocation_short_name);
}

TEST(Process, FindsTheModuleOfCodeWithItsStart) {
  ModuleName name;
  std::uintptr_t base = 0;
  auto code = reinterpret_cast<std::uintptr_t>(&SomeCode);
  ASSERT_TRUE(FindModule(reinterpret_cast<const void*>(code), &name, &base));
  EXPECT_EQ(name.View(), program_invocation_short_name);
  EXPECT_LE(base, code);
  EXPECT_LT(code - base, 64u * 1024 * 1024);

  ASSERT_TRUE(FindModule(reinterpret_cast<const void*>(&::write), &name, &base));
  EXPECT_EQ(name.View().rfind("libc.so", 0), 0u) << name.View();
  EXPECT_EQ(name.View().find('/'), std::string::npos);
}

TEST(Process, StackAndNullBelongToNoModule) {
  int onTheStack = 0;
  ModuleName name;
  std::uintptr_t base = 0;
  EXPECT_FALSE(FindModule(&onTheStack, &name, &base));
  EXPECT_FALSE(FindModule(nullptr, &name, &base));
}

void SayAtExit() {
  write(2, "atexit", 6);
}

void ExitWithCode(std::uint32_t code) {
  std::atexit(&SayAtExit);
  ExitProcess(code);
}

TEST(ProcessDeathTest, ExitProcessEndsAtOnceWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ExitWithCode(0), ::testing::ExitedWithCode(0), "^$");
  EXPECT_EXIT(ExitWithCode(1), ::testing::ExitedWithCode(1), "^$");
  EXPECT_EXIT(ExitWithCode(203), ::testing::ExitedWithCode(203), "^$");
}

}  // namespace
}  // namespace zaveredo::platform
