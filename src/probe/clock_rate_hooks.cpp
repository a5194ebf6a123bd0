#include "probe/clock_rate_hooks.h"

#include "platform/cpu.h"
#include "platform/scheduling.h"

namespace zaveredo {

namespace {

ClockRateHooks gHooks = {platform::ReadTimeStampCounter, platform::Sleep};

}  // namespace

ClockRateHooks CurrentClockRateHooks() {
  return gHooks;
}

ClockRateHooks SetClockRateHooksForTesting(ClockRateHooks hooks) {
  ClockRateHooks previous = gHooks;
  gHooks.readCounter = hooks.readCounter ? hooks.readCounter : platform::ReadTimeStampCounter;
  gHooks.sleep = hooks.sleep ? hooks.sleep : platform::Sleep;
  return previous;
}

}  // namespace zaveredo
