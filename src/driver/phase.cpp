#include "driver/phase.h"

#include "runtime/format/format_decimal.h"

namespace zaveredo {
namespace {

constexpr float kSecondsPerDay = 86400;  // exact in single precision
constexpr int kTimePrecision = 9;
constexpr int kTimeDigits = 4;

}  // namespace

float SecondsBetween(float start, float end) {
  // long double is the x87 extended format on every target, so both the difference and the
  // product keep a 64-bit significand until the store rounds them once.
  long double seconds = (static_cast<long double>(end) - static_cast<long double>(start)) *
                        static_cast<long double>(kSecondsPerDay);
  if (end < start) seconds += static_cast<long double>(kSecondsPerDay);
  return static_cast<float>(seconds);
}

PhaseTimes TimePhase(PhaseWorkFunction work, PhaseClock clock) {
  PhaseTimes times;
  times.startTime = static_cast<float>(clock());
  work();
  times.endTime = static_cast<float>(clock());
  times.elapsedSeconds = SecondsBetween(times.startTime, times.endTime);
  return times;
}

std::string TimeText(const PhaseTimes& times, const Separators& separators) {
  return FormatDecimal(static_cast<long double>(times.elapsedSeconds), kStyleNumber, kTimePrecision,
                       kTimeDigits, separators);
}

}  // namespace zaveredo
