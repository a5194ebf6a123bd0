// The monotonic clock, and the seeding counters on Linux: the monotonic clock in nanoseconds
// stands in for the performance counter, the boot-time clock in milliseconds for the tick count.
#include <time.h>

#include "platform/clock.h"

namespace zaveredo::platform {

std::int64_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

bool QueryPerformanceCounter(std::int64_t* count) {
  timespec now;
  if (clock_gettime(CLOCK_MONOTONIC, &now) != 0) return false;
  *count = static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
  return true;
}

std::uint32_t GetTickCount() {
  timespec now;
  if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return 0;
  std::uint64_t ms = static_cast<std::uint64_t>(now.tv_sec) * 1000 +
                     static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
  return static_cast<std::uint32_t>(ms);
}

}  // namespace zaveredo::platform
