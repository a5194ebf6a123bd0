// The local clock and the seeding counters.
#include "platform/clock.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

LocalTime GetLocalTime() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  LocalTime time;
  time.hour = now.wHour;
  time.minute = now.wMinute;
  time.second = now.wSecond;
  time.milliseconds = now.wMilliseconds;
  return time;
}

bool QueryPerformanceCounter(std::int64_t* count) {
  LARGE_INTEGER value;
  if (!::QueryPerformanceCounter(&value)) return false;
  *count = value.QuadPart;
  return true;
}

std::uint32_t GetTickCount() {
  return ::GetTickCount();
}

}  // namespace zaveredo::platform
