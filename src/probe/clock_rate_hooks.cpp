#include "probe/clock_rate_hooks.h"

#include "platform/cpu.h"
#include "platform/scheduling.h"

namespace zaveredo {

namespace {

std::uint64_t ReadProcessorCounter() {
  return platform::ReadTimeStampCounter();
}

ClockRateHooks gHooks = {ReadProcessorCounter, platform::Sleep};

}  // namespace

ClockRateHooks CurrentClockRateHooks() {
  return gHooks;
}

ClockRateHooks SetClockRateHooksForTesting(ClockRateHooks hooks) {
  ClockRateHooks previous = gHooks;
  gHooks.readCounter = hooks.readCounter ? hooks.readCounter : ReadProcessorCounter;
  gHooks.sleep = hooks.sleep ? hooks.sleep : platform::Sleep;
  return previous;
}

}  // namespace zaveredo
