// The local clock and the seeding counters.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

TEST(Win32Clock, CountersAdvanceOverASleep) {
  std::int64_t first = 0, second = 0;
  ASSERT_TRUE(QueryPerformanceCounter(&first));
  std::uint32_t ticks = GetTickCount();
  ::Sleep(50);
  ASSERT_TRUE(QueryPerformanceCounter(&second));
  EXPECT_GT(second, first);
  std::uint32_t elapsed = GetTickCount() - ticks;  // wraps like the counter itself
  EXPECT_GE(elapsed, 30u);
  EXPECT_LT(elapsed, 5000u);
}

TEST(Win32Clock, LocalTimeIsAValidTimeOfDayNearTheSystemsOwn) {
  SYSTEMTIME reference;
  ::GetLocalTime(&reference);
  LocalTime now = GetLocalTime();
  EXPECT_LT(now.hour, 24);
  EXPECT_LT(now.minute, 60);
  EXPECT_LT(now.second, 60);
  EXPECT_LT(now.milliseconds, 1000);
  int referenceMs = ((reference.wHour * 60 + reference.wMinute) * 60 + reference.wSecond) * 1000 +
                    reference.wMilliseconds;
  int nowMs = ((now.hour * 60 + now.minute) * 60 + now.second) * 1000 + now.milliseconds;
  int difference = (nowMs - referenceMs + 86400000) % 86400000;  // across midnight too
  EXPECT_LT(difference, 2000);
}

}  // namespace
}  // namespace zaveredo::platform
