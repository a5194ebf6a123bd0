// The decimal form of an extended value: up to 18 significant digits and a decimal exponent,
// rounded for a given number of significant digits and of digits after the decimal point.
#pragma once

#include <cstdint>

namespace zaveredo {

inline constexpr int kMaxDecimalDigits = 18;
inline constexpr std::int16_t kInfinityExponent = 0x7FFF;
inline constexpr std::int16_t kNanExponent = -0x8000;  // the bit pattern 0x8000

struct DecimalDigits {
  // Digits before the decimal point: the magnitude is 0.d1d2d3… × 10^exponent.
  std::int16_t exponent = 0;
  bool negative = false;
  // ASCII digits, NUL-terminated, without leading or trailing zeros; empty for zero.
  char digits[kMaxDecimalDigits + 1] = {};
};

// A positive normal magnitude as an 18-digit integer: magnitude ≈ value × 10^(exponent - 18).
// The decimal exponent is estimated from the binary one (19728 / 65536 for log10 2), the
// magnitude scaled by 10^(18 - exponent) in extended precision and rounded to an integer (ties
// to even); a result of 10^18 or more is divided by 10 and rounded again, raising the exponent.
struct EighteenDigits {
  std::uint64_t value;
  int exponent;
};
EighteenDigits ScaleToEighteenDigits(long double magnitude);

// The significant digits kept: 2 to 18.
int ClampPrecision(int precision);

// Rounds half away from zero on the value's 18 decimal digits to at most `precision`
// significant digits (clamped to 2..18) and `digits` digits after the decimal point.
// Zero and denormals give zero; infinities and NaNs give the reserved exponents, and so does
// an unnormal (no integer bit), which no arithmetic produces. A value that rounds to zero is
// never negative.
DecimalDigits ToDecimalDigits(long double value, int precision, int digits);

}  // namespace zaveredo
