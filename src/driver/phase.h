// Timing one phase: two samples of the time of day around the phase's work, each held in
// single precision, and the elapsed seconds computed from them in extended precision; and the
// text those seconds are reported by.
#pragma once

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

using PhaseClock = double (*)();  // the time of day as a fraction of a day
using PhaseWorkFunction = void (*)();

// Seconds from one stored sample to the next, in extended precision before the single-
// precision store. A sample below the first means the day restarted at midnight: one day is
// added, so such a phase reports its true length instead of about minus one day.
float SecondsBetween(float start, float end);

// The start sample, the work and nothing else, the end sample, the elapsed seconds.
PhaseTimes TimePhase(PhaseWorkFunction work, PhaseClock clock);

// The same on the console and in the results file: the stored elapsed seconds in the number
// style with four decimals, for example 1.234,5679.
std::string TimeText(const PhaseTimes& times, const Separators& separators);

}  // namespace zaveredo
