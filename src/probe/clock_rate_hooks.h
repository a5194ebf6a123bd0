// Replaceable counter read and sleep behind MeasureClockRate, so tests can feed counts and
// make the read fail without waiting half a second.
#pragma once

#include <cstdint>

namespace zaveredo {

struct ClockRateHooks {
  std::uint64_t (*readCounter)();
  void (*sleep)(std::uint32_t milliseconds);
};

// Replaces the hooks (at first the time-stamp counter and the platform's Sleep) and returns the
// previous ones, to be put back. Defined with the measurement.
ClockRateHooks SetClockRateHooksForTesting(ClockRateHooks hooks);

}  // namespace zaveredo
