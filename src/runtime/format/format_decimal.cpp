#include "runtime/format/format_decimal.h"

#include <algorithm>

#include "runtime/format/decimal_digits.h"
#include "runtime/format/decimal_text.h"

namespace zaveredo {

std::string FormatDecimal(long double value, DecimalStyle style, int precision, int digits,
                          const Separators& separators) {
  digits = std::max(digits, 0);
  return DecimalText(ToDecimalDigits(value, precision, digits), style, precision, digits,
                     separators);
}

}  // namespace zaveredo
