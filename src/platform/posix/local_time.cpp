#include <time.h>

#include "platform/clock.h"

namespace zaveredo::platform {

LocalTime GetLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  LocalTime time;
  time.hour = static_cast<std::uint16_t>(local.tm_hour);
  time.minute = static_cast<std::uint16_t>(local.tm_min);
  // A leap second reads as 60; the local clock on Windows never shows one.
  time.second = static_cast<std::uint16_t>(local.tm_sec < 60 ? local.tm_sec : 59);
  time.milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1000000);
  return time;
}

}  // namespace zaveredo::platform
