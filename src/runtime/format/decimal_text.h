// The text steps of the decimal formatting: from a DecimalDigits to the fixed, number or
// general layout.
#pragma once

#include <string>

#include "runtime/format/decimal_digits.h"
#include "runtime/format/format_decimal.h"
#include "runtime/format/separators.h"

namespace zaveredo {

// precision is clamped, digits at least 0. Infinity and NaN give "INF", "-INF" and "NAN". More
// integer digits than precision switch to the general layout (1,2E4). The number style groups
// the integer part by threes; every other style writes no thousands separators. A NUL
// separator is not written.
std::string DecimalText(const DecimalDigits& decimal, DecimalStyle style, int precision, int digits,
                        const Separators& separators);

}  // namespace zaveredo
