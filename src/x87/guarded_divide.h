// The one division routine behind every division of the generators and of the clock-rate
// measurement. Its first use tests the processor's divider once and stores the verdict; with a
// sound divider every later division costs one test of that verdict and one 80-bit division.
#pragma once

#include <cstdint>

#include "x87/instructions.h"

namespace zaveredo {

namespace divider {

enum Verdict : std::uint8_t { kUntested = 0, kSound = 1, kFlawed = 2 };

inline Verdict gVerdict = kUntested;

// Tests the divider when it has not been tested yet, then divides as the verdict says: on a
// flawed divider a risky divisor has both operands scaled before dividing.
[[gnu::noinline]] long double DivideAfterVerdict(long double dividend, long double divisor);

// The divider test itself: true when 4195835 - (4195835 / 3145727) * 3145727 is below 1.
bool DividerIsSound();

// True for a normal divisor whose significand, after the integer bit, begins with one of the
// seven-bit patterns a flawed divider gets wrong.
bool IsRiskyDivisor(long double divisor);

}  // namespace divider

[[gnu::always_inline]] inline long double GuardedDivide(long double dividend, long double divisor) {
  if (divider::gVerdict == divider::kSound) [[likely]]
    return x87::Divide(dividend, divisor);
  return divider::DivideAfterVerdict(dividend, divisor);
}

}  // namespace zaveredo
