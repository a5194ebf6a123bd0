// The clock and the counters used for seeding.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

struct LocalTime {  // the time fields of GetLocalTime's SYSTEMTIME
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
};

// The system clock in UTC: milliseconds since the platform's epoch, which began at a UTC
// midnight, so the count modulo one day is the UTC time of day. Leap seconds are not counted.
std::int64_t UtcMilliseconds();

// How far the local clock is ahead of UTC now, in milliseconds (negative west of Greenwich),
// daylight saving included.
std::int64_t LocalOffsetMilliseconds();

// A clock nobody sets: milliseconds from an arbitrary start, never going back, not moved when
// the time of day is set. Only differences between two readings mean anything.
std::int64_t MonotonicMilliseconds();

// QueryPerformanceCounter: false when the counter cannot be read.
bool QueryPerformanceCounter(std::int64_t* count);

// GetTickCount: milliseconds since the system started, wrapping at 2^32.
std::uint32_t GetTickCount();

}  // namespace zaveredo::platform
