#include "runtime/format/decimal_digits.h"

#include <algorithm>
#include <cstring>

#include "runtime/format/powers_of_ten.h"
#include "x87/control_word.h"
#include "x87/extended_bits.h"
#include "x87/instructions.h"

namespace zaveredo {

namespace {

using x87::ExtendedBits;

constexpr long double kDigitLimit = 1e18L;  // exact in extended precision

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
  // 19728 / 65536 stands for log10 2. The estimate can be one too small; a scaled value of
  // 10^18 or more corrects it.
  int binaryExponent = ExtendedBits::Of(magnitude).BiasedExponent() - ExtendedBits::kExponentBias;
  int exponent = ((binaryExponent * 19728) >> 16) + 1;
  x87::ControlWordScope rounding(x87::Rounding::kNearest, x87::Precision::kExtended);
  long double scaled = ScaleByPowerOfTen(magnitude, kMaxDecimalDigits - exponent);
  scaled = x87::RoundToInteger(scaled);
  if (scaled >= kDigitLimit) {
    scaled = x87::Divide(scaled, 10.0L);
    ++exponent;
  }
  scaled = x87::RoundToInteger(scaled);
  return {static_cast<std::uint64_t>(static_cast<std::int64_t>(scaled)), exponent};
}

int ClampPrecision(int precision) {
  return std::clamp(precision, 2, kMaxDecimalDigits);
}

DecimalDigits ToDecimalDigits(long double value, int precision, int digits) {
  precision = ClampPrecision(precision);
  DecimalDigits result;
  auto bits = ExtendedBits::Of(value);
  std::uint64_t significand = bits.Significand();
  if (bits.BiasedExponent() == 0) return result;  // zero, negative zero and denormals
  if (bits.BiasedExponent() == ExtendedBits::kSpecialExponent) {
    if (significand == ExtendedBits::kIntegerBit ||
        (significand & ExtendedBits::kIntegerBit) == 0) {
      result.exponent = kInfinityExponent;
      result.negative = bits.Sign();
    } else {
      result.exponent = kNanExponent;
    }
    return result;
  }
  if ((significand & ExtendedBits::kIntegerBit) == 0) {
    // An unnormal: the unit rejects it as an operand (an invalid operation, which traps under
    // the run's control word), so it is written as not a number instead of being scaled.
    result.exponent = kNanExponent;
    return result;
  }

  EighteenDigits scaled = ScaleToEighteenDigits(bits.Sign() ? -value : value);
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
  result.negative = kept > 0 && bits.Sign();
  std::memcpy(result.digits, all, kept);
  result.digits[kept] = '\0';
  return result;
}

}  // namespace zaveredo
