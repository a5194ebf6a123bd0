// Power and the Comp and Int64 generators, and where their code lies.
//
// The two fills draw their bound 2^31 - 1 twice per element through the general power routine
// and TruncToInt64, as the measured work prescribes.
//
// On the AMD processors these loops were measured on, a loop with control-word loads (fldcw)
// runs up to seven times slower when those loads lie at certain code addresses: which ones
// depends on the addresses of all of them, here Power's pair and the fill's two pairs, not on
// the data, the stores or the calls. So the three have fixed places: one block that starts a
// page, Power at its start, FillComp at +0x200 and FillInt64 at +0x400, whatever the size of
// the code before them (up to 0x200 bytes each). tools/check-codegen.sh checks those offsets
// and every control-word load's place in the linked programs. docs/performance.md has the
// measurements.
#include <cstdint>

#include "runtime/errors/checked.h"
#include "runtime/random.h"
#include "workloads/arrays.h"
#include "workloads/constants.h"
#include "workloads/fill_loop.h"
#include "workloads/generators.h"
#include "workloads/power.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"
#include "x87/integer_rounding.h"

// The block's sections sort by name: the empty page-aligned start first, then Power, FillComp
// and FillInt64. The start is an empty section of its own because a Windows object pads an
// aligned section to its alignment, which would push the rest onto the next page. That padding
// is why the two fills have the same alignment: FillComp's section ends on the next slot.
#if defined(_WIN32)
#define ZAV_WIDE_FILL_SECTION(order) ".text$zaveredo_wide_" order
#define ZAV_WIDE_FILL_PAGE_START \
  ".section " ZAV_WIDE_FILL_SECTION("0") ",\"x\"\n\t.p2align 12\n\t.text"
#else
#define ZAV_WIDE_FILL_SECTION(order) ".text.sorted.zaveredo_wide_" order
#define ZAV_WIDE_FILL_PAGE_START \
  ".pushsection " ZAV_WIDE_FILL_SECTION("0") ",\"ax\",@progbits\n\t.p2align 12\n\t.popsection"
#endif

#define ZAV_WIDE_FILL_CODE(order) gnu::section(ZAV_WIDE_FILL_SECTION(order))
// The fills' slots: every 0x200 bytes after the page start.
#define ZAV_WIDE_FILL_SLOT gnu::aligned(0x200)

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

const long double kBoundBase = 2.0L;
const long double kBoundExponent = 31.0L;

[[gnu::always_inline]] inline std::int64_t DrawBound() {
  return TruncToInt64(Power(kBoundBase, kBoundExponent) - kOne);
}

// a / P - m, rounded; m is the bound computed afresh after the draw.
[[gnu::always_inline]] inline std::int64_t DrawWide() {
  std::int32_t a = RandomBelow(static_cast<std::int32_t>(static_cast<std::uint32_t>(DrawBound())));
  long double q = GuardedDivide(a, x87::LoadExtended(kIntegerDivisor));
  std::int64_t bound = DrawBound();
  return RoundToInt64(q - x87::LoadInt64(bound));
}

}  // namespace

asm(ZAV_WIDE_FILL_PAGE_START);

// Out of line and opaque to the optimiser, as when it lived in a file of its own: the fills
// must call it for every bound, never fold its constant operands.
[[ZAV_WIDE_FILL_CODE("1"), gnu::aligned(64), gnu::noipa]] long double Power(
    const long double& base, const long double& exponent) {
  if (exponent == 0.0L) return 1.0L;
  if (base == 0.0L && exponent > 0.0L) return 0.0L;
  long double whole = x87::TruncToInteger(exponent);
  if (whole == exponent && whole <= 2147483647.0L && whole >= -2147483647.0L)
    return IntegerPower(base, static_cast<std::int32_t>(RoundToInt64(whole)));
  return ExponentialPower(base, exponent);
}

[[ZAV_WIDE_FILL_CODE("2"), ZAV_WIDE_FILL_SLOT]] void FillComp() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = DrawWide();
    DynamicArray& array = ArrayOf(ElementType::kComp);
    CheckIndex(i, array.length);
    x87::CopyInt64(v, static_cast<std::int64_t*>(array.data) + i);
  });
}

[[ZAV_WIDE_FILL_CODE("3"), ZAV_WIDE_FILL_SLOT]] void FillInt64() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = DrawWide();
    DynamicArray& array = ArrayOf(ElementType::kInt64);
    CheckIndex(i, array.length);
    static_cast<std::int64_t*>(array.data)[i] = v;
  });
}

}  // namespace zaveredo
