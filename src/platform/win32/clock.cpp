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

// The C++ runtime's thread library imports GetTickCount64 for its timed waits, and Windows XP
// has no such function: a program that imported it would not start there. This definition of
// the import's pointer takes its place, so the program imports nothing newer than XP; the
// 32-bit tick count is widened by counting its wraps, which is all those waits need.
namespace {

ULONGLONG WINAPI TickCount64() {
  static DWORD last = 0;
  static ULONGLONG wraps = 0;
  DWORD now = ::GetTickCount();
  if (now < last) ++wraps;
  last = now;
  return (wraps << 32) | now;
}

}  // namespace

extern "C" ULONGLONG(WINAPI* const zavGetTickCount64Import)() asm("__imp__GetTickCount64@0") =
    TickCount64;
