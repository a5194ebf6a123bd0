// The Comp and Int64 generators. Their draw bound 2^31 - 1 is computed twice per element
// through the general power routine and TruncToInt64, as the measured work prescribes.
//
// The two fills follow Power in the page they share with it (wide_fill_code.h): their speed
// depends on where their code lies relative to Power's.
#include <cstdint>

#include "runtime/errors/checked.h"
#include "runtime/random.h"
#include "workloads/arrays.h"
#include "workloads/constants.h"
#include "workloads/fill_loop.h"
#include "workloads/generators.h"
#include "workloads/power.h"
#include "workloads/wide_fill_code.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"
#include "x87/integer_rounding.h"

namespace zaveredo {

namespace {

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

[[ZAV_WIDE_FILL_CODE("2"), gnu::aligned(64)]] void FillComp() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = DrawWide();
    DynamicArray& array = ArrayOf(ElementType::kComp);
    CheckIndex(i, array.length);
    x87::CopyInt64(v, static_cast<std::int64_t*>(array.data) + i);
  });
}

[[ZAV_WIDE_FILL_CODE("3"), gnu::aligned(64)]] void FillInt64() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = DrawWide();
    DynamicArray& array = ArrayOf(ElementType::kInt64);
    CheckIndex(i, array.length);
    static_cast<std::int64_t*>(array.data)[i] = v;
  });
}

}  // namespace zaveredo
