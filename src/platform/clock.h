// The local clock and the counters used for seeding.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

struct LocalTime {  // the time fields of GetLocalTime's SYSTEMTIME
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
};

LocalTime GetLocalTime();

// QueryPerformanceCounter: false when the counter cannot be read.
bool QueryPerformanceCounter(std::int64_t* count);

// GetTickCount: milliseconds since the system started, wrapping at 2^32.
std::uint32_t GetTickCount();

}  // namespace zaveredo::platform
