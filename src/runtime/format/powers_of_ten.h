// Powers of ten rounded to extended precision, and the scaling of a value by one.
#pragma once

namespace zaveredo {

inline constexpr int kUnitPowerCount = 32;   // 10^0 .. 10^31
inline constexpr int kBlockPowerCount = 16;  // 10^0, 10^32 .. 10^480
inline constexpr int kLargePowerCount = 10;  // 10^0, 10^512 .. 10^4608
inline constexpr int kScaleLimit = 5120;     // |exponent| from here scales to infinity or zero

// Each entry is 10^n rounded once to a 64-bit significand (ties to even), built from exact
// integers; 10^0 to 10^27 are exact.
long double UnitPowerOfTen(int i);   // 10^i, 0 <= i < 32
long double BlockPowerOfTen(int j);  // 10^(32 j), 0 <= j < 16
long double LargePowerOfTen(int j);  // 10^(512 j), 0 <= j < 10

// x × 10^exponent as up to three rounded steps with k = |exponent|: by 10^(k mod 32), then
// 10^(32 ((k div 32) mod 16)), then 10^(512 (k div 512)); multiplying for a positive exponent,
// dividing for a negative one. k >= 5120 gives infinity (multiplying) or zero (dividing).
// Rounds as the current control word says.
long double ScaleByPowerOfTen(long double x, int exponent);

}  // namespace zaveredo
