#include "driver/phase.h"

namespace zaveredo {

float StartTime = 0;
float EndTime = 0;
float ElapsedSeconds = 0;

namespace {

constexpr float kSecondsPerDay = 86400;  // exact in single precision

}  // namespace

float SecondsBetween(float start, float end) {
  // long double is the x87 extended format on every target, so both the difference and the
  // product keep a 64-bit significand until the store rounds them once.
  long double seconds = (static_cast<long double>(end) - static_cast<long double>(start)) *
                        static_cast<long double>(kSecondsPerDay);
  if (end < start) seconds += static_cast<long double>(kSecondsPerDay);
  return static_cast<float>(seconds);
}

void TimePhase(PhaseWorkFunction work, PhaseClock clock) {
  StartTime = static_cast<float>(clock());
  work();
  EndTime = static_cast<float>(clock());
  ElapsedSeconds = SecondsBetween(StartTime, EndTime);
}

}  // namespace zaveredo
