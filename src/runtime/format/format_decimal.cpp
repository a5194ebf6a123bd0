#include "runtime/format/format_decimal.h"

#include <algorithm>
#include <cstring>

#include "runtime/format/decimal_digits.h"
#include "runtime/format/format_text.h"

namespace zaveredo {

namespace {

// The digit at a position, "0" past the end of the digits.
char DigitAt(const DecimalDigits& decimal, int length, int position) {
  return position < length ? decimal.digits[position] : '0';
}

void AppendSeparator(std::string& text, char separator) {
  if (separator != '\0') text += separator;
}

void AppendIntegerPart(std::string& text, const DecimalDigits& decimal, int length, bool grouped,
                       char thousands) {
  if (decimal.exponent <= 0) {
    text += '0';
    return;
  }
  for (int i = 0; i < decimal.exponent; ++i) {
    if (grouped && i > 0 && (decimal.exponent - i) % 3 == 0) AppendSeparator(text, thousands);
    text += DigitAt(decimal, length, i);
  }
}

void AppendFraction(std::string& text, const DecimalDigits& decimal, int length, int digits,
                    char separator) {
  if (digits <= 0) return;
  AppendSeparator(text, separator);
  int count = std::min(digits, kMaxDecimalDigits);
  int written = 0;
  if (decimal.exponent < 0) {
    written = std::min<int>(-decimal.exponent, count);
    text.append(written, '0');
  }
  for (int i = std::max<int>(decimal.exponent, 0); written < count; ++i, ++written)
    text += DigitAt(decimal, length, i);
}

// Reached only with more integer digits than precision, so there is at least one digit.
std::string GeneralText(const DecimalDigits& decimal, int length, int digits, char separator) {
  std::string text = decimal.negative ? "-" : "";
  text += decimal.digits[0];
  if (length > 1) {
    AppendSeparator(text, separator);
    text.append(decimal.digits + 1, length - 1);
  }
  std::string power = IntegerToText(decimal.exponent - 1);
  std::size_t width = digits >= 1 && digits <= 4 ? static_cast<std::size_t>(digits) : 1;
  text += 'E';
  if (power.size() < width) text.append(width - power.size(), '0');
  return text + power;
}

}  // namespace

// More integer digits than precision switch to the general layout (1,2E4). A NUL separator is
// not written.
std::string FormatDecimal(long double value, DecimalStyle style, int precision, int digits,
                          const Separators& separators) {
  digits = std::max(digits, 0);
  DecimalDigits decimal = ToDecimalDigits(value, precision, digits);
  if (decimal.exponent == kInfinityExponent) return decimal.negative ? "-INF" : "INF";
  if (decimal.exponent == kNanExponent) return "NAN";
  int length = static_cast<int>(std::strlen(decimal.digits));
  if (decimal.exponent > ClampPrecision(precision))
    return GeneralText(decimal, length, digits, separators.decimal);

  std::string text = decimal.negative ? "-" : "";
  AppendIntegerPart(text, decimal, length, style == DecimalStyle::kNumber, separators.thousands);
  AppendFraction(text, decimal, length, digits, separators.decimal);
  return text;
}

}  // namespace zaveredo
