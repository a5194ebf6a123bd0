// Replaceable counter read and sleep behind MeasureClockRate, so tests can feed counts and
// make the read fail without waiting half a second.
#pragma once

#include <cstdint>

namespace zaveredo {

struct ClockRateHooks {
  std::uint64_t (*readCounter)();
  void (*sleep)(std::uint32_t milliseconds);
};

// Replaces the hooks (the time-stamp counter and the platform's Sleep unless replaced); a null
// member keeps the platform's own. Returns the previous ones. Defined with the measurement.
ClockRateHooks SetClockRateHooksForTesting(ClockRateHooks hooks);

}  // namespace zaveredo
