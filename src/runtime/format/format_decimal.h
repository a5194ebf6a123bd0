// Locale-dependent text of an extended-precision value in the fixed or the number style.
#pragma once

#include <string>

#include "runtime/format/separators.h"

namespace zaveredo {

inline constexpr int kStyleGeneral = 0;  // scientific; the fallback for too many integer digits
inline constexpr int kStyleFixed = 2;    // no thousands separators
inline constexpr int kStyleNumber = 3;   // integer part grouped by threes

// The value is formatted exactly as held: callers widen single and double values exactly.
// precision is the number of significant digits kept (clamped to 2..18); digits the number
// written after the decimal separator (at most 18 are written; a negative count means none).
// A pure function of its arguments; never fails (INF, -INF and NAN for the special values).
std::string FormatDecimal(long double value, int style, int precision, int digits,
                          const Separators& separators);

}  // namespace zaveredo
