// Single x87 operations on extended values, each rounded once under the current control word.
// Written as instructions so that no compiler choice (a library call, a folded constant, a
// value kept in a wider register) changes how often a value is rounded.
#pragma once

#include <cstdint>

#include "runtime/fpu.h"

namespace zaveredo {

inline long double MultiplyExtended(long double a, long double b) {
  asm volatile("fmul %%st(1), %%st" : "+t"(a) : "u"(b));
  return a;
}

inline long double DivideExtended(long double a, long double b) {
  asm volatile("fdiv %%st(1), %%st" : "+t"(a) : "u"(b));
  return a;
}

// frndint: to an integer in the current rounding mode (ties to even under the run's word).
inline long double RoundToIntegerExtended(long double a) {
  asm volatile("frndint" : "+t"(a));
  return a;
}

// A store to a double: the one rounding from extended to double precision.
inline double RoundToDouble(long double a) {
  double result;
  asm volatile("fstpl %0" : "=m"(result) : "t"(a) : "st");
  return result;
}

// Holds a 64-bit significand and round to nearest (ties to even) for one conversion, keeping
// the caller's exception masks, and gives the caller's control word back afterwards. Under the
// run's own word this changes nothing; it keeps a conversion exact under any other.
class ExtendedRoundingScope {
 public:
  ExtendedRoundingScope() : saved_(GetControlWord()) {
    SetControlWord(static_cast<std::uint16_t>((saved_ & ~kFieldMask) | kExtendedNearest));
  }
  ~ExtendedRoundingScope() { SetControlWord(saved_); }
  ExtendedRoundingScope(const ExtendedRoundingScope&) = delete;
  ExtendedRoundingScope& operator=(const ExtendedRoundingScope&) = delete;

 private:
  static constexpr std::uint16_t kFieldMask = 0x0F00;        // precision and rounding fields
  static constexpr std::uint16_t kExtendedNearest = 0x0300;  // 64-bit significand, nearest
  std::uint16_t saved_;
};

}  // namespace zaveredo
