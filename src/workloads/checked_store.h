// The store every generator of a 1-, 2- or 4-byte integer type ends with: the range check of
// the value, the index check, then the store of its low bits, in that order.
#pragma once

#include <cstdint>

#include "runtime/errors/checked.h"
#include "workloads/arrays.h"

namespace zaveredo {

template <typename Element>
[[gnu::always_inline]] inline void StoreChecked(ElementType type, std::int32_t i,
                                                std::int64_t value, std::int64_t low,
                                                std::int64_t high) {
  CheckRange(value, low, high);
  DynamicArray& array = ArrayOf(type);
  CheckIndex(i, array.length);
  static_cast<Element*>(array.data)[i] = static_cast<Element>(value);
}

}  // namespace zaveredo
