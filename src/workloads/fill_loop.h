// The loop every generator shares: the body for index 0 first, then again while
// ElementCount - 1 >= the next index. ElementCount is read afresh after every element, and the
// increment and the subtraction are overflow-checked, as the measured work requires.
#pragma once

#include <cstdint>

#include "runtime/errors/checked.h"
#include "workloads/element_count.h"

namespace zaveredo {

template <typename Body>
[[gnu::always_inline]] inline void FillLoop(Body body) {
  std::int32_t i = 0;
  do {
    body(i);
    i = CheckedAdd<std::int32_t>(i, 1);
  } while (CheckedSub<std::int32_t>(ElementCount, 1) >= i);
}

}  // namespace zaveredo
