// Replaceable counter read and sleep behind MeasureClockRate, so tests can feed counts and
// make the read fail without waiting half a second.
#pragma once

#include <cstdint>

namespace zaveredo {

struct ClockRateHooks {
  std::uint64_t (*readCounter)();
  void (*sleep)(std::uint32_t milliseconds);
};

// The hooks in use: the time-stamp counter and the platform's Sleep unless replaced.
ClockRateHooks CurrentClockRateHooks();

// Replaces the hooks; a null member keeps the platform's own. Returns the previous ones.
ClockRateHooks SetClockRateHooksForTesting(ClockRateHooks hooks);

}  // namespace zaveredo
