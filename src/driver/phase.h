// Timing one phase: two samples of the time of day around the phase's work, each held in
// single precision, and the elapsed seconds computed from them in extended precision; and the
// text those seconds are reported by.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/format/separators.h"

namespace zaveredo {

// What a timed phase stores, in this order. Single precision on purpose: the reported
// resolution follows from it.
struct PhaseTimes {
  float startTime = 0;  // fractions of a day
  float endTime = 0;
  float elapsedSeconds = 0;
};

// The clocks a phase reads: the time of day is the measure, the monotonic clock only tells a
// midnight crossing from a clock set during the phase.
struct PhaseClocks {
  double (*timeOfDay)();        // the time of day as a fraction of a day
  std::int64_t (*monotonic)();  // milliseconds of a clock nobody sets
};

// The start sample, the work and nothing else, the end sample, the elapsed seconds. The
// monotonic readings lie outside the time-of-day samples, so the measured interval is
// unchanged. A phase across midnight reports its true length; one during which the time of day
// was set reports the monotonic clock's length.
PhaseTimes TimePhase(void (*work)(), const PhaseClocks& clocks);

// The same on the console and in the results file: the stored elapsed seconds in the number
// style with four decimals, for example 1.234,5679.
std::string TimeText(const PhaseTimes& times, const Separators& separators);

}  // namespace zaveredo
