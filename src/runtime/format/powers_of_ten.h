// The scaling of a value by a power of ten, through tables of powers rounded to extended precision.
#pragma once

namespace zaveredo {

inline constexpr int kScaleLimit = 5120;  // |exponent| from here scales to infinity or zero

// x × 10^exponent as up to three rounded steps with k = |exponent|: by 10^(k mod 32), then
// 10^(32 ((k div 32) mod 16)), then 10^(512 (k div 512)); multiplying for a positive exponent,
// dividing for a negative one. Each factor is 10^n rounded once to a 64-bit significand (ties to
// even), built from exact integers; 10^0 to 10^27 are exact. k >= 5120 gives infinity (multiplying)
// or zero (dividing). Rounds as the current control word says.
long double ScaleByPowerOfTen(long double x, int exponent);

}  // namespace zaveredo
