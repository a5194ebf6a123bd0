// How each element type is addressed, compared and copied by its quicksort. Every type has its
// own traits, even where two types share a format, so every type gets its own routine.
#pragma once

#include <cstdint>

#include "runtime/errors/checked.h"
#include "workloads/element_formats.h"
#include "workloads/real48.h"
#include "x87/instructions.h"

namespace zaveredo::sorting {

// Raw copies, element k at byte offset k * width.
template <typename T>
struct Plain {
  using Element = T;
  [[gnu::always_inline]] static T* At(T* array, std::int32_t k) { return array + k; }
  [[gnu::always_inline]] static void Copy(const T& from, T* to) { *to = from; }
};

// The integer types: the processor's integer comparison, signed or unsigned by T.
template <typename T>
struct IntegerOrder : Plain<T> {
  [[gnu::always_inline]] static bool Less(const T& a, const T& b) { return a < b; }
  [[gnu::always_inline]] static bool Greater(const T& a, const T& b) { return a > b; }
};

// The floating types, and Currency and Comp as raw 64-bit integers: both values loaded exactly
// into the floating-point unit (an integer with its integer load), compared there.
template <typename T>
struct FpuOrder : Plain<T> {
  [[gnu::always_inline]] static bool Less(const T& a, const T& b) { return x87::Less(a, b); }
  [[gnu::always_inline]] static bool Greater(const T& a, const T& b) { return x87::Greater(a, b); }
};

// Int64: the high halves as signed, and only when they are equal the low halves as unsigned.
struct Int64Order : Plain<std::int64_t> {
  [[gnu::always_inline]] static bool Less(const std::int64_t& a, const std::int64_t& b) {
    std::int32_t aHigh = static_cast<std::int32_t>(a >> 32);
    std::int32_t bHigh = static_cast<std::int32_t>(b >> 32);
    // Two branches on one compare of the high halves: as `aHigh != bHigh` the result was
    // first made a byte (setl) and then tested again, in the scan that runs most.
    if (aHigh < bHigh) return true;
    if (aHigh > bHigh) return false;
    return static_cast<std::uint32_t>(a) < static_cast<std::uint32_t>(b);
  }
  [[gnu::always_inline]] static bool Greater(const std::int64_t& a, const std::int64_t& b) {
    return Less(b, a);
  }
};

// Packed at a width of 2 * factor: element k at byte offset (k * factor, checked) * 2.
template <typename T, std::int32_t factor>
[[gnu::always_inline]] inline T* PackedAt(T* array, std::int32_t k) {
  std::intptr_t offset = std::intptr_t{CheckedMul<std::int32_t>(k, factor)} * 2;
  return reinterpret_cast<T*>(reinterpret_cast<std::uint8_t*>(array) + offset);
}

// Extended is a floating type packed at a width of 10.
struct ExtendedOrder : FpuOrder<Extended> {
  [[gnu::always_inline]] static Extended* At(Extended* array, std::int32_t k) {
    return PackedAt<Extended, 5>(array, k);
  }
};

// real48: every comparison converts both values to extended, every copy goes out to extended
// and back.
struct Real48Order {
  using Element = Real48;
  [[gnu::always_inline]] static Real48* At(Real48* array, std::int32_t k) {
    return PackedAt<Real48, 3>(array, k);
  }
  [[gnu::always_inline]] static void Copy(const Real48& from, Real48* to) {
    ExtendedToReal48(Real48ToExtended(from), to);
  }
  [[gnu::always_inline]] static bool Less(const Real48& a, const Real48& b) {
    long double x = Real48ToExtended(a);
    return x87::LessInRegisters(x, Real48ToExtended(b));
  }
  [[gnu::always_inline]] static bool Greater(const Real48& a, const Real48& b) {
    long double x = Real48ToExtended(a);
    return x87::GreaterInRegisters(x, Real48ToExtended(b));
  }
};

// One distinct traits type per element type.
struct RealTraits : FpuOrder<double> {};
struct Real48Traits : Real48Order {};
struct SingleTraits : FpuOrder<float> {};
struct DoubleTraits : FpuOrder<double> {};
struct ExtendedTraits : ExtendedOrder {};
struct CurrencyTraits : FpuOrder<std::int64_t> {};
struct IntegerTraits : IntegerOrder<std::int32_t> {};
struct ByteTraits : IntegerOrder<std::uint8_t> {};
struct ShortIntTraits : IntegerOrder<std::int8_t> {};
struct WordTraits : IntegerOrder<std::uint16_t> {};
struct SmallIntTraits : IntegerOrder<std::int16_t> {};
struct CardinalTraits : IntegerOrder<std::uint32_t> {};
struct LongWordTraits : IntegerOrder<std::uint32_t> {};
struct LongIntTraits : IntegerOrder<std::int32_t> {};
struct CompTraits : FpuOrder<std::int64_t> {};
struct Int64Traits : Int64Order {};

}  // namespace zaveredo::sorting
