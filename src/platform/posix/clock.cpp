// The clocks on Linux: the real-time clock for UTC and the C library's zone for the local
// offset; the monotonic clock in nanoseconds stands in for the performance counter, the
// boot-time clock in milliseconds for the tick count.
#include "platform/clock.h"

#include <time.h>

namespace zaveredo::platform {
namespace {

constexpr std::int64_t kNanosecondsPerMillisecond = 1000000;

// 0 when the clock cannot be read.
std::int64_t NanosecondsOf(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 * kNanosecondsPerMillisecond + now.tv_nsec;
}

}  // namespace

std::int64_t UtcMilliseconds() {
  return NanosecondsOf(CLOCK_REALTIME) / kNanosecondsPerMillisecond;
}

std::int64_t LocalOffsetMilliseconds() {
  time_t now = time(nullptr);
  tm local{};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
}

std::int64_t MonotonicMilliseconds() {
  return NanosecondsOf(CLOCK_MONOTONIC) / kNanosecondsPerMillisecond;
}

// The monotonic clock is never 0 once the system has started.
bool QueryPerformanceCounter(std::int64_t* count) {
  *count = NanosecondsOf(CLOCK_MONOTONIC);
  return *count != 0;
}

// Wraps at 2^32 as the tick count does.
std::uint32_t GetTickCount() {
  return static_cast<std::uint32_t>(NanosecondsOf(CLOCK_BOOTTIME) / kNanosecondsPerMillisecond);
}

}  // namespace zaveredo::platform
