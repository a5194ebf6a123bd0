#include <time.h>

#include "platform/clock.h"

namespace zaveredo::platform {

std::int64_t UtcMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::int64_t LocalOffsetMilliseconds() {
  time_t now = time(nullptr);
  tm local{};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
}

}  // namespace zaveredo::platform
