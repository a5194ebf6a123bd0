// Single x87 instructions, each written once. The work they do must happen exactly as
// written: true 80-bit divisions, one rounding per result under the control word in force,
// 64-bit integer loads and stores through the unit, ordered comparisons of values loaded from
// memory. Left to itself the compiler would fold comparisons of widened integers into integer
// compares, call library routines for integer stores, keep a value in a wider register, or
// let an unmasked exception surface at some later instruction instead of at the store that
// caused it.
#pragma once

#include <cstdint>

#include "x87/extended_bits.h"

namespace zaveredo::x87 {

// dividend / divisor, rounded under the current control word.
[[gnu::always_inline]] inline long double Divide(long double dividend, long double divisor) {
  long double quotient;
  asm volatile("fdiv %%st(1), %%st" : "=t"(quotient) : "0"(dividend), "u"(divisor));
  return quotient;
}

[[gnu::always_inline]] inline long double Multiply(long double a, long double b) {
  long double product;
  asm volatile("fmul %%st(1), %%st" : "=t"(product) : "0"(a), "u"(b));
  return product;
}

// frndint: to an integer in the current rounding mode.
[[gnu::always_inline]] inline long double RoundToInteger(long double value) {
  asm volatile("frndint" : "+t"(value));
  return value;
}

[[gnu::always_inline]] inline long double LoadExtended(const ExtendedBits& from) {
  long double value;
  asm volatile("fldt %1" : "=t"(value) : "m"(from));
  return value;
}

// A binary64 value given by its bit pattern, widened exactly.
[[gnu::always_inline]] inline long double LoadBinary64(const std::uint64_t& bits) {
  long double value;
  asm volatile("fldl %1" : "=t"(value) : "m"(bits));
  return value;
}

[[gnu::always_inline]] inline long double LoadInt64(const std::int64_t& from) {
  long double value;
  asm volatile("fildll %1" : "=t"(value) : "m"(from));
  return value;
}

[[gnu::always_inline]] inline void StoreExtended(long double value, ExtendedBits* to) {
  asm volatile("fstpt %0" : "=m"(*to) : "t"(value) : "st");
}

// The stores below wait after storing, so that an overflow or an out-of-range integer raises
// its error here and not at some later floating-point instruction.
[[gnu::always_inline]] inline void StoreSingle(long double value, float* to) {
  asm volatile("fstps %0\n\tfwait" : "=m"(*to) : "t"(value) : "st");
}

[[gnu::always_inline]] inline void StoreDouble(long double value, double* to) {
  asm volatile("fstpl %0\n\tfwait" : "=m"(*to) : "t"(value) : "st");
}

// Rounded by the current rounding mode.
[[gnu::always_inline]] inline void StoreInt64(long double value, std::int64_t* to) {
  asm volatile("fistpll %0\n\tfwait" : "=m"(*to) : "t"(value) : "st");
}

// A 64-bit integer loaded into the unit and stored back from it.
[[gnu::always_inline]] inline void CopyInt64(const std::int64_t& from, std::int64_t* to) {
  asm volatile("fildll %1\n\tfistpll %0\n\tfwait" : "=m"(*to) : "m"(from) : "st(7)");
}

// Ordered comparisons (fcomi) of two values loaded exactly from memory. The loads push two
// registers, hence the two clobbered ones.
#define ZAV_X87_COMPARE(Name, Type, load, flag)                                    \
  [[gnu::always_inline]] inline bool Name(const Type& a, const Type& b) {          \
    bool result;                                                                   \
    asm volatile(load " %2\n\t" load " %1\n\tfcomip %%st(1), %%st\n\tfstp %%st(0)" \
                 : "=@cc" flag(result)                                             \
                 : "m"(a), "m"(b)                                                  \
                 : "st(6)", "st(7)");                                              \
    return result;                                                                 \
  }

ZAV_X87_COMPARE(Less, float, "flds", "b")
ZAV_X87_COMPARE(Greater, float, "flds", "a")
ZAV_X87_COMPARE(Less, double, "fldl", "b")
ZAV_X87_COMPARE(Greater, double, "fldl", "a")
ZAV_X87_COMPARE(Less, ExtendedBits, "fldt", "b")
ZAV_X87_COMPARE(Greater, ExtendedBits, "fldt", "a")
ZAV_X87_COMPARE(Less, std::int64_t, "fildll", "b")
ZAV_X87_COMPARE(Greater, std::int64_t, "fildll", "a")

#undef ZAV_X87_COMPARE

// The same ordered comparison of two values already in registers.
[[gnu::always_inline]] inline bool LessInRegisters(long double a, long double b) {
  bool result;
  asm volatile("fcomip %%st(1), %%st" : "=@ccb"(result) : "t"(a), "u"(b) : "st");
  return result;
}

[[gnu::always_inline]] inline bool GreaterInRegisters(long double a, long double b) {
  bool result;
  asm volatile("fcomip %%st(1), %%st" : "=@cca"(result) : "t"(a), "u"(b) : "st");
  return result;
}

}  // namespace zaveredo::x87
