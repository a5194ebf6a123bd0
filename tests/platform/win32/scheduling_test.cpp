// Priorities of the process and thread, raised and restored as the clock-rate measurement does.
#include "platform/scheduling.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

TEST(Win32Scheduling, RaisesToRealTimeAndRestores) {
  std::uint32_t savedClass = GetPriorityClass();
  std::int32_t savedThread = GetThreadPriority();
  ASSERT_NE(savedClass, 0u);
  EXPECT_EQ(savedClass, ::GetPriorityClass(::GetCurrentProcess()));

  ASSERT_TRUE(SetPriorityClass(kRealtimePriorityClass));
  ASSERT_TRUE(SetThreadPriority(kThreadPriorityTimeCritical));
  EXPECT_EQ(GetPriorityClass(), kRealtimePriorityClass);
  EXPECT_EQ(GetThreadPriority(), kThreadPriorityTimeCritical);

  EXPECT_TRUE(SetThreadPriority(savedThread));
  EXPECT_TRUE(SetPriorityClass(savedClass));
  EXPECT_EQ(GetPriorityClass(), savedClass);
  EXPECT_EQ(GetThreadPriority(), savedThread);
  EXPECT_FALSE(SetPriorityClass(0x12345));
}

}  // namespace
}  // namespace zaveredo::platform
