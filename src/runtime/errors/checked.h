// Checked arithmetic for the program's own code: cheap inline tests that stay inside hot
// loops, with a cold out-of-line raise that reports the address just after the failed check.
#pragma once

#include <cstdint>

namespace zaveredo {

// Each raises at __builtin_return_address(0): the caller's code just after the check.
[[noreturn, gnu::cold, gnu::noinline]] void RaiseRangeCheck();
[[noreturn, gnu::cold, gnu::noinline]] void RaiseIntOverflow();

// Index k into an array of the given length: unsigned compare, so negatives fail too.
[[gnu::always_inline]] inline void CheckIndex(std::int32_t k, std::int32_t length) {
  if (static_cast<std::uint32_t>(k) >= static_cast<std::uint32_t>(length)) [[unlikely]]
    RaiseRangeCheck();
}

// A value stored into a narrower integer type must lie in [low, high].
[[gnu::always_inline]] inline void CheckRange(std::int64_t value, std::int64_t low,
                                              std::int64_t high) {
  if (value < low || value > high) [[unlikely]]
    RaiseRangeCheck();
}

template <typename T>
[[gnu::always_inline]] inline T CheckedAdd(T a, T b) {
  T r;
  if (__builtin_add_overflow(a, b, &r)) [[unlikely]]
    RaiseIntOverflow();
  return r;
}

template <typename T>
[[gnu::always_inline]] inline T CheckedSub(T a, T b) {
  T r;
  if (__builtin_sub_overflow(a, b, &r)) [[unlikely]]
    RaiseIntOverflow();
  return r;
}

template <typename T>
[[gnu::always_inline]] inline T CheckedMul(T a, T b) {
  T r;
  if (__builtin_mul_overflow(a, b, &r)) [[unlikely]]
    RaiseIntOverflow();
  return r;
}

}  // namespace zaveredo
