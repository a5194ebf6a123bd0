#include "probe/clock_rate.h"

#include <cstdint>
#include <limits>

#include "platform/cpu.h"
#include "platform/scheduling.h"
#include "probe/clock_rate_hooks.h"
#include "runtime/errors/checked.h"
#include "runtime/errors/error_guard.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"

namespace zaveredo {

namespace {

constexpr std::uint32_t kSettlingSleep = 10;    // ms before the first reading
constexpr std::uint32_t kMeasuringSleep = 500;  // ms between the readings
constexpr float kTicksPerMhz = 500000.0f;       // 1000 ticks per ms for each MHz, over 500 ms

ClockRateHooks hooks = {platform::ReadTimeStampCounter, platform::Sleep};

// Filled step by step; the guards leave it by a jump, so it lives outside their bodies.
struct Measurement {
  std::int32_t savedClass = 0;
  std::int32_t savedThreadPriority = 0;
  std::uint64_t elapsed = 0;
  long double rate = 0;
};

// Priority classes are unsigned; the saved one must fit the signed 32-bit range.
std::int32_t SignedClass(std::int64_t priorityClass) {
  CheckRange(priorityClass, 0, std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(priorityClass);
}

// The whole count, exactly: the unit loads signed 64-bit integers, so a count of 2^63 or
// more loads as count - 2^64 and gets 2^64 added back, which the 64-bit significand holds.
long double ExactExtended(std::uint64_t count) {
  std::int64_t bits = static_cast<std::int64_t>(count);
  long double value = x87::LoadInt64(bits);
  if (bits < 0) value += 18446744073709551616.0L;
  return value;
}

void CountTicks(void* context) {
  auto* measurement = static_cast<Measurement*>(context);
  hooks.sleep(kSettlingSleep);
  std::uint64_t start = hooks.readCounter();
  hooks.sleep(kMeasuringSleep);
  measurement->elapsed = hooks.readCounter() - start;  // wraps like a subtraction with borrow
}

void Measure(void* context) {
  auto* measurement = static_cast<Measurement*>(context);
  measurement->savedClass = SignedClass(platform::GetPriorityClass());
  measurement->savedThreadPriority = platform::GetThreadPriority();
  // Refusals are not looked at: the count runs at whatever priority is granted.
  platform::SetPriorityClass(platform::kRealtimePriorityClass);
  platform::SetThreadPriority(platform::kThreadPriorityTimeCritical);
  bool counted = RunErrorGuarded(CountTicks, measurement);
  // Restored whether or not counting failed: the thread first, then the class.
  platform::SetThreadPriority(measurement->savedThreadPriority);
  platform::SetPriorityClass(static_cast<std::uint32_t>(SignedClass(measurement->savedClass)));
  if (!counted) return;  // the rate stays 0
  measurement->rate =
      GuardedDivide(ExactExtended(measurement->elapsed), static_cast<long double>(kTicksPerMhz));
}

}  // namespace

ClockRateHooks SetClockRateHooksForTesting(ClockRateHooks replacement) {
  ClockRateHooks previous = hooks;
  hooks = replacement;
  return previous;
}

long double MeasureClockRate() {
  Measurement measurement;
  return RunErrorGuarded(Measure, &measurement) ? measurement.rate : 0;
}

}  // namespace zaveredo
