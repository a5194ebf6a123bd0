#include "workloads/power.h"

#include <cstdint>

#include "workloads/wide_fill_code.h"
#include "x87/instructions.h"
#include "x87/integer_rounding.h"

namespace zaveredo {

namespace {

long double IntegerPower(long double base, std::int32_t exponent) {
  std::uint32_t remaining = exponent < 0 ? 0u - static_cast<std::uint32_t>(exponent)
                                         : static_cast<std::uint32_t>(exponent);
  long double result = 1.0L;
  long double square = base;
  while (remaining != 0) {
    if (remaining & 1u) result *= square;
    remaining >>= 1;
    if (remaining != 0) square *= square;
  }
  return exponent < 0 ? x87::Divide(1.0L, result) : result;
}

// 2^(exponent * log2(base)), split into integral and fractional powers of two.
long double ExponentialPower(long double base, long double exponent) {
  long double result;
  asm volatile(
      "fyl2x\n\t"
      "fld %%st(0)\n\t"
      "frndint\n\t"
      "fxch %%st(1)\n\t"
      "fsub %%st(1), %%st\n\t"
      "f2xm1\n\t"
      "fld1\n\t"
      "faddp\n\t"
      "fscale\n\t"
      "fstp %%st(1)"
      : "=t"(result)
      : "0"(base), "u"(exponent)
      : "st(1)", "st(6)", "st(7)");
  return result;
}

}  // namespace

asm(ZAV_WIDE_FILL_PAGE_START);

// First in the page it shares with the Comp and Int64 fills: see wide_fill_code.h.
[[ZAV_WIDE_FILL_CODE("1"), gnu::aligned(64)]] long double Power(const long double& base,
                                                                const long double& exponent) {
  if (exponent == 0.0L) return 1.0L;
  if (base == 0.0L && exponent > 0.0L) return 0.0L;
  long double whole = x87::TruncToInteger(exponent);
  if (whole == exponent && whole <= 2147483647.0L && whole >= -2147483647.0L)
    return IntegerPower(base, static_cast<std::int32_t>(RoundToInt64(whole)));
  return ExponentialPower(base, exponent);
}

}  // namespace zaveredo
