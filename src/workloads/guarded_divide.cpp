#include "workloads/guarded_divide.h"

#include <cstring>

namespace zaveredo::divider {

Verdict gVerdict = kUntested;

namespace {

struct ExtendedParts {
  std::uint64_t significand;
  std::uint16_t biasedExponent;  // without the sign
};

ExtendedParts PartsOf(long double value) {
  std::uint8_t bytes[10];
  std::memcpy(bytes, &value, sizeof bytes);
  ExtendedParts parts;
  std::memcpy(&parts.significand, bytes, 8);
  parts.biasedExponent = static_cast<std::uint16_t>((bytes[8] | bytes[9] << 8) & 0x7FFF);
  return parts;
}

}  // namespace

bool DividerIsSound() {
  // Volatile so that the division really runs on this processor.
  volatile long double x = 4195835.0L;
  volatile long double y = 3145727.0L;
  long double quotient = x87::Divide(x, y);
  return x - quotient * y < 1.0L;
}

bool IsRiskyDivisor(long double divisor) {
  ExtendedParts parts = PartsOf(divisor);
  bool normal =
      parts.biasedExponent != 0 && parts.biasedExponent != 0x7FFF && (parts.significand >> 63) != 0;
  if (!normal) return false;
  unsigned leading = static_cast<unsigned>(parts.significand >> 56) & 0x7F;
  return leading == 0x0F || leading == 0x27 || leading == 0x3F || leading == 0x57 ||
         leading == 0x6F;
}

long double DivideOnFlawedDivider(long double dividend, long double divisor) {
  if (!IsRiskyDivisor(divisor)) return x87::Divide(dividend, divisor);
  long double factor = PartsOf(dividend).biasedExponent == 1 ? 1.0625L : 0.9375L;
  return x87::Divide(dividend * factor, divisor * factor);
}

long double DivideAfterVerdict(long double dividend, long double divisor) {
  if (gVerdict == kUntested) gVerdict = DividerIsSound() ? kSound : kFlawed;
  if (gVerdict == kSound) return x87::Divide(dividend, divisor);
  return DivideOnFlawedDivider(dividend, divisor);
}

}  // namespace zaveredo::divider
