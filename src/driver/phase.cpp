#include "driver/phase.h"

#include "runtime/format/format_decimal.h"

namespace zaveredo {
namespace {

constexpr float kSecondsPerDay = 86400;  // exact in single precision
constexpr int kTimePrecision = 9;
constexpr int kTimeDigits = 4;
// Far above the steps of the single-precision samples (5 ms) and of the clocks themselves.
constexpr long double kClocksAgree = 1;

// Seconds from one stored sample to the next, in extended precision before the single-
// precision store. A sample below the first means the day restarted at midnight: one day is
// added, so such a phase reports its true length instead of about minus one day.
float SecondsBetween(float start, float end) {
  // long double is the x87 extended format on every target, so both the difference and the
  // product keep a 64-bit significand until the store rounds them once.
  long double seconds = (static_cast<long double>(end) - static_cast<long double>(start)) *
                        static_cast<long double>(kSecondsPerDay);
  if (end < start) seconds += static_cast<long double>(kSecondsPerDay);
  return static_cast<float>(seconds);
}

// The seconds of the time of day, unless they and the monotonic clock's length disagree by more
// than a second. Then the time of day was set during the phase (a step back would read as a
// midnight crossing, almost a whole day), and the monotonic length stands, held in single
// precision as every figure is.
float PhaseSeconds(float timeOfDaySeconds, std::int64_t monotonicMilliseconds) {
  long double monotonic = static_cast<long double>(monotonicMilliseconds) / 1000;
  long double difference = static_cast<long double>(timeOfDaySeconds) - monotonic;
  if (difference <= kClocksAgree && difference >= -kClocksAgree) return timeOfDaySeconds;
  return static_cast<float>(monotonic);
}

}  // namespace

PhaseTimes TimePhase(void (*work)(), const PhaseClocks& clocks) {
  PhaseTimes times;
  std::int64_t monotonicStart = clocks.monotonic();
  times.startTime = static_cast<float>(clocks.timeOfDay());
  work();
  times.endTime = static_cast<float>(clocks.timeOfDay());
  std::int64_t monotonicEnd = clocks.monotonic();
  times.elapsedSeconds =
      PhaseSeconds(SecondsBetween(times.startTime, times.endTime), monotonicEnd - monotonicStart);
  return times;
}

std::string TimeText(const PhaseTimes& times, const Separators& separators) {
  return FormatDecimal(static_cast<long double>(times.elapsedSeconds), DecimalStyle::kNumber,
                       kTimePrecision, kTimeDigits, separators);
}

}  // namespace zaveredo
