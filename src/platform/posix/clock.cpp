// The clocks on Linux: the real-time clock for UTC and the C library's zone for the local
// offset; the monotonic clock in nanoseconds stands in for the performance counter, the
// boot-time clock in milliseconds for the tick count.
#include "platform/clock.h"

#include <time.h>

namespace zaveredo::platform {
namespace {

// 0 when the clock cannot be read.
std::int64_t MillisecondsOf(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

std::int64_t UtcMilliseconds() {
  return MillisecondsOf(CLOCK_REALTIME);
}

std::int64_t LocalOffsetMilliseconds() {
  time_t now = time(nullptr);
  tm local{};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
}

std::int64_t MonotonicMilliseconds() {
  return MillisecondsOf(CLOCK_MONOTONIC);
}

bool QueryPerformanceCounter(std::int64_t* count) {
  timespec now;
  if (clock_gettime(CLOCK_MONOTONIC, &now) != 0) return false;
  *count = static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
  return true;
}

// Wraps at 2^32 as the tick count does.
std::uint32_t GetTickCount() {
  return static_cast<std::uint32_t>(MillisecondsOf(CLOCK_BOOTTIME));
}

}  // namespace zaveredo::platform
