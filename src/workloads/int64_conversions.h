// Extended to signed 64-bit integer through the floating-point unit's own integer store.
// A value outside the 64-bit range is an invalid operation and raises EInvalidOp here.
#pragma once

#include <cstdint>

#include "runtime/fpu.h"

namespace zaveredo {

// Rounded by the control word in force: to nearest, ties to even.
[[gnu::always_inline]] inline std::int64_t RoundToInt64(long double value) {
  std::int64_t result;
  asm volatile("fistpll %0\n\tfwait" : "=m"(result) : "t"(value) : "st");
  return result;
}

// Rounded toward zero: a copy of the control word with rounding toward zero and full
// precision is in force for the one store, then the saved word is loaded back.
[[gnu::always_inline]] inline std::int64_t TruncToInt64(long double value) {
  std::uint16_t saved;
  asm volatile("fnstcw %0" : "=m"(saved));
  std::uint16_t towardZero = saved | 0x0F00;
  std::int64_t result;
  asm volatile("fldcw %2\n\tfistpll %0\n\tfwait\n\tfldcw %3"
               : "=m"(result)
               : "t"(value), "m"(towardZero), "m"(saved)
               : "st");
  return result;
}

}  // namespace zaveredo
