// The UTC clock, the local offset, the monotonic clock and the seeding counters.
#include "platform/clock.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

namespace {

constexpr std::int64_t kTicksPerMillisecond = 10000;  // FILETIME counts 100 ns since 1601
constexpr std::int64_t kTicksPerMinute = 60 * 1000 * kTicksPerMillisecond;

std::int64_t TicksOf(const SYSTEMTIME& time) {
  FILETIME ticks;
  if (!::SystemTimeToFileTime(&time, &ticks)) return 0;
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(ticks.dwHighDateTime) << 32) |
                                   ticks.dwLowDateTime);
}

// The 32-bit tick count, widened by counting its wraps: XP has no GetTickCount64.
ULONGLONG WINAPI TickCount64() {
  static DWORD last = 0;
  static ULONGLONG wraps = 0;
  DWORD now = ::GetTickCount();
  if (now < last) ++wraps;
  last = now;
  return (wraps << 32) | now;
}

}  // namespace

std::int64_t UtcMilliseconds() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  return TicksOf(now) / kTicksPerMillisecond;
}

// The local clock against the UTC clock, read one after the other; Windows offsets are whole
// minutes, so rounding to the nearest one drops the moment between the two readings.
std::int64_t LocalOffsetMilliseconds() {
  SYSTEMTIME utc;
  SYSTEMTIME local;
  ::GetSystemTime(&utc);
  ::GetLocalTime(&local);
  std::int64_t difference = TicksOf(local) - TicksOf(utc);
  std::int64_t half = difference < 0 ? -kTicksPerMinute / 2 : kTicksPerMinute / 2;
  std::int64_t minutes = (difference + half) / kTicksPerMinute;
  return minutes * 60 * 1000;
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

// The tick count, widened as above: it moves in steps of 10 to 16 ms, which is all a check
// against the time of day within a second needs, and unlike the performance counter of some
// multi-processor machines of XP's time it never jumps.
std::int64_t MonotonicMilliseconds() {
  return static_cast<std::int64_t>(TickCount64());
}

}  // namespace zaveredo::platform

// The C++ runtime's thread library imports GetTickCount64 for its timed waits, and Windows XP
// has no such function: a program that imported it would not start there. This definition of
// the import's pointer takes its place, so the program imports nothing newer than XP; the
// widened tick count is all those waits need. Only the 32-bit program runs on XP; the 64-bit
// build imports the system's own.
#if !defined(_WIN64)
extern "C" ULONGLONG(WINAPI* const zavGetTickCount64Import)() asm("__imp__GetTickCount64@0") =
    zaveredo::platform::TickCount64;
#endif
