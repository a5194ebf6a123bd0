#include "runtime/format/decimal_digits.h"

#include <algorithm>
#include <cstring>

#include "runtime/format/powers_of_ten.h"
#include "runtime/x87_arithmetic.h"

namespace zaveredo {

namespace {

constexpr int kExponentBias = 16383;
constexpr int kSpecialExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr long double kDigitLimit = 1e18L;  // exact in extended precision

struct ExtendedFields {
  std::uint64_t significand;
  int biasedExponent;
  bool sign;
};

ExtendedFields FieldsOf(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  ExtendedFields fields;
  std::memcpy(&fields.significand, bytes, 8);
  std::uint16_t signExponent = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
  fields.biasedExponent = signExponent & 0x7FFF;
  fields.sign = (signExponent & 0x8000) != 0;
  return fields;
}

// 19728 / 65536 stands for log10 2. The estimate can be one too small; a scaled value of
// 10^18 or more corrects it.
int EstimateDecimalExponent(int biasedExponent) {
  int binaryExponent = biasedExponent - kExponentBias;
  return ((binaryExponent * 19728) >> 16) + 1;
}

// Keeps the first `kept` digits, rounding half away from zero on the next one. Returns the
// number of digits left; a carry out of the first digit leaves "1" and raises the exponent.
int RoundDigitsAt(char* digits, int kept, int& exponent) {
  if (digits[kept] < '5') return kept;
  while (kept > 0 && digits[kept - 1] == '9') --kept;
  if (kept == 0) {
    digits[0] = '1';
    ++exponent;
    return 1;
  }
  ++digits[kept - 1];
  return kept;
}

void WriteDigits(std::uint64_t number, char* out) {
  for (int i = kMaxDecimalDigits - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + number % 10);
    number /= 10;
  }
}

}  // namespace

EighteenDigits ScaleToEighteenDigits(long double magnitude) {
  ExtendedFields fields = FieldsOf(magnitude);
  int exponent = EstimateDecimalExponent(fields.biasedExponent);
  ExtendedRoundingScope rounding;
  long double scaled = ScaleByPowerOfTen(magnitude, kMaxDecimalDigits - exponent);
  scaled = RoundToIntegerExtended(scaled);
  if (scaled >= kDigitLimit) {
    scaled = DivideExtended(scaled, 10.0L);
    ++exponent;
  }
  scaled = RoundToIntegerExtended(scaled);
  return {static_cast<std::uint64_t>(static_cast<std::int64_t>(scaled)), exponent};
}

int ClampPrecision(int precision) {
  return std::clamp(precision, 2, kMaxDecimalDigits);
}

DecimalDigits ToDecimalDigits(long double value, int precision, int digits) {
  precision = ClampPrecision(precision);
  DecimalDigits result;
  ExtendedFields fields = FieldsOf(value);
  if (fields.biasedExponent == 0) return result;  // zero, negative zero and denormals
  if (fields.biasedExponent == kSpecialExponent) {
    if (fields.significand == kIntegerBit || (fields.significand & kIntegerBit) == 0) {
      result.exponent = kInfinityExponent;
      result.negative = fields.sign;
    } else {
      result.exponent = kNanExponent;
    }
    return result;
  }
  if ((fields.significand & kIntegerBit) == 0) {
    // An unnormal: the unit rejects it as an operand (an invalid operation, which traps under
    // the run's control word), so it is written as not a number instead of being scaled.
    result.exponent = kNanExponent;
    return result;
  }

  EighteenDigits scaled = ScaleToEighteenDigits(fields.sign ? -value : value);
  int exponent = scaled.exponent;
  char all[kMaxDecimalDigits + 1] = {};
  WriteDigits(scaled.value, all);

  // Wide arithmetic: digits may be any int. precision <= 18 bounds the digits kept.
  long long wanted = static_cast<long long>(exponent) + digits;
  if (wanted < 0) return result;
  int kept = static_cast<int>(std::min<long long>(wanted, precision));
  if (kept < kMaxDecimalDigits) kept = RoundDigitsAt(all, kept, exponent);
  while (kept > 0 && all[kept - 1] == '0') --kept;

  result.exponent = static_cast<std::int16_t>(exponent);
  result.negative = kept > 0 && fields.sign;
  std::memcpy(result.digits, all, kept);
  result.digits[kept] = '\0';
  return result;
}

}  // namespace zaveredo
