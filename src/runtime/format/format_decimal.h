// Locale-dependent text of an extended-precision value in the fixed or the number style.
#pragma once

#include <string>

#include "runtime/format/separators.h"

namespace zaveredo {

// The layouts a caller asks for, by their customary numbers. Too many integer digits fall back
// to the general (scientific) layout in either.
enum class DecimalStyle {
  kFixed = 2,   // no thousands separators
  kNumber = 3,  // integer part grouped by threes
};

// The value is formatted exactly as held: callers widen single and double values exactly.
// precision is the number of significant digits kept (clamped to 2..18); digits the number
// written after the decimal separator (at most 18 are written; a negative count means none).
// A pure function of its arguments; never fails (INF, -INF and NAN for the special values).
std::string FormatDecimal(long double value, DecimalStyle style, int precision, int digits,
                          const Separators& separators);

}  // namespace zaveredo
