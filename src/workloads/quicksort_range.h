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

// The check before each access, on an index whose history is hidden, so that no check is
// merged with an earlier one on the same index.
[[gnu::always_inline]] inline void CheckAccess(std::int32_t k, std::int32_t high) {
  x87::HideValue(k);
  CheckIndexHigh(k, high);
}

}  // namespace sorting

template <typename Traits>
[[gnu::noipa]] void QuickSortRange(typename Traits::Element* array, std::int32_t high,
                                   std::int32_t iLo, std::int32_t iHi) {
  using sorting::CheckAccess;
  typename Traits::Element pivot;
  typename Traits::Element temporary;
  std::int32_t lo = iLo;
  std::int32_t hi = iHi;
  std::int32_t middle = CheckedAdd(lo, hi) / 2;
  CheckAccess(middle, high);
  Traits::Copy(*Traits::At(array, middle), &pivot);
  do {
    for (;;) {
      CheckAccess(lo, high);
      if (!Traits::Less(*Traits::At(array, lo), pivot)) break;
      lo = CheckedAdd<std::int32_t>(lo, 1);
    }
    for (;;) {
      CheckAccess(hi, high);
      if (!Traits::Greater(*Traits::At(array, hi), pivot)) break;
      hi = CheckedSub<std::int32_t>(hi, 1);
    }
    if (lo <= hi) {
      CheckAccess(lo, high);
      Traits::Copy(*Traits::At(array, lo), &temporary);
      CheckAccess(hi, high);
      CheckAccess(lo, high);
      Traits::Copy(*Traits::At(array, hi), Traits::At(array, lo));
      CheckAccess(hi, high);
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
