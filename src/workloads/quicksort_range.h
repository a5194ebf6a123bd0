// The quicksort every typed sort runs: middle pivot copied by value, strict scans, a swap
// whenever Lo <= Hi, then both parts by real recursive calls, the left part first. Every
// element access is range-checked and every index step overflow-checked. The element type's
// traits say how an element is addressed, compared and copied; each traits type gives its
// own routine; noipa keeps the compiler from merging the routines of two types that share a
// format.
#pragma once

#include <cstdint>

#include "runtime/errors/checked.h"
#include "x87/barriers.h"

namespace zaveredo {

namespace sorting {

// The number of valid indices 0 to high; none when high is negative.
[[gnu::always_inline]] inline std::uint32_t IndexCount(std::int32_t high) {
  return high < 0 ? 0u : static_cast<std::uint32_t>(high) + 1u;
}

// The check 0 <= k <= high before each access, as one unsigned compare against IndexCount
// (a negative k wraps to 2^31 or more, above any count): one branch instead of two in the
// scans. Written as the compare and the branch themselves, so the compiler can neither merge
// it with an earlier check on the same index nor learn from it that k is not negative (which
// would let it drop the overflow check of the next step), and needs no copy of k for it.
[[gnu::always_inline]] inline void CheckAccess(std::int32_t k, std::uint32_t indexCount) {
  asm goto("cmp %1, %0\n\tjae %l2" : : "r"(k), "r"(indexCount) : "cc" : outside);
  return;
outside:
  RaiseRangeCheck();
}

}  // namespace sorting

template <typename Traits>
[[gnu::noipa]] void QuickSortRange(typename Traits::Element* array, std::int32_t high,
                                   std::int32_t iLo, std::int32_t iHi) {
  using sorting::CheckAccess;
  const std::uint32_t count = sorting::IndexCount(high);
  typename Traits::Element pivot;
  typename Traits::Element temporary;
  std::int32_t lo = iLo;
  std::int32_t hi = iHi;
  std::int32_t middle = CheckedAdd(lo, hi) / 2;
  CheckAccess(middle, count);
  Traits::Copy(*Traits::At(array, middle), &pivot);
  do {
    for (;;) {
      CheckAccess(lo, count);
      if (!Traits::Less(*Traits::At(array, lo), pivot)) break;
      lo = CheckedAdd<std::int32_t>(lo, 1);
    }
    for (;;) {
      CheckAccess(hi, count);
      if (!Traits::Greater(*Traits::At(array, hi), pivot)) break;
      hi = CheckedSub<std::int32_t>(hi, 1);
    }
    if (lo <= hi) {
      CheckAccess(lo, count);
      Traits::Copy(*Traits::At(array, lo), &temporary);
      CheckAccess(hi, count);
      CheckAccess(lo, count);
      Traits::Copy(*Traits::At(array, hi), Traits::At(array, lo));
      CheckAccess(hi, count);
      Traits::Copy(temporary, Traits::At(array, hi));
      lo = CheckedAdd<std::int32_t>(lo, 1);
      hi = CheckedSub<std::int32_t>(hi, 1);
    }
  } while (lo <= hi);
  if (hi > iLo) QuickSortRange<Traits>(array, high, iLo, hi);
  if (lo < iHi) QuickSortRange<Traits>(array, high, lo, iHi);
  x87::KeepCallBefore();
}

}  // namespace zaveredo
