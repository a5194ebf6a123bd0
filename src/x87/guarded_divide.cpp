#include "x87/guarded_divide.h"

#include "x87/barriers.h"
#include "x87/extended_bits.h"

namespace zaveredo::divider {

bool DividerIsSound() {
  // Hidden so that the division really runs on this processor.
  long double x = 4195835.0L;
  long double y = 3145727.0L;
  x87::HideValue(x);
  x87::HideValue(y);
  long double quotient = x87::Divide(x, y);
  return x - quotient * y < 1.0L;
}

bool IsRiskyDivisor(long double divisor) {
  auto bits = x87::ExtendedBits::Of(divisor);
  bool normal = bits.BiasedExponent() != 0 &&
                bits.BiasedExponent() != x87::ExtendedBits::kSpecialExponent &&
                (bits.Significand() & x87::ExtendedBits::kIntegerBit) != 0;
  if (!normal) return false;
  unsigned leading = static_cast<unsigned>(bits.Significand() >> 56) & 0x7F;
  return leading == 0x0F || leading == 0x27 || leading == 0x3F || leading == 0x57 ||
         leading == 0x6F;
}

long double DivideAfterVerdict(long double dividend, long double divisor) {
  if (gVerdict == kUntested) gVerdict = DividerIsSound() ? kSound : kFlawed;
  if (gVerdict == kSound || !IsRiskyDivisor(divisor)) return x87::Divide(dividend, divisor);
  // A flawed divider with a risky divisor: both operands scaled by 15/16 (17/16 when the
  // dividend's biased exponent is 1) move the divisor off the patterns it gets wrong.
  long double factor = x87::ExtendedBits::Of(dividend).BiasedExponent() == 1 ? 1.0625L : 0.9375L;
  return x87::Divide(dividend * factor, divisor * factor);
}

}  // namespace zaveredo::divider
