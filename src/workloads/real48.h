// Conversions between the six-byte real and extended. Both are inline: the real48 sort runs
// two per comparison and two per copy, and a call for each cost more than the conversion.
//
// An element is read and written as two pieces, bytes 0-1 (exponent and the low fraction
// byte) and bytes 2-5 (the rest of the fraction and the sign), so every read of an element
// that a conversion wrote a moment before takes its bytes straight from those two stores.
#pragma once

#include <cstdint>
#include <cstring>

#include "workloads/element_formats.h"
#include "x87/barriers.h"
#include "x87/instructions.h"

namespace zaveredo {

namespace real48 {

// Biased exponent of extended minus that of real48 (129), and the same for binary64.
inline constexpr std::int32_t kExtendedShift = Extended::kExponentBias - 129;
inline constexpr std::uint64_t kBinary64Shift = 1023 - 129;

// Raises EOverflow, reported at the conversion that overflowed.
[[noreturn, gnu::cold, gnu::noinline]] void RaiseOverflow();

}  // namespace real48

// Exact. An exponent byte of 0 reads as +0 whatever the other bytes hold.
//
// The value goes into the unit through a binary64 pattern built in an integer register and
// loaded with fldl: 40 significant bits and exponents of +-2^128 fit binary64, so the extended
// result is exactly the one the format defines, and the 8-byte load takes its bytes from the
// one 8-byte store before it. (Built as 10 extended bytes from two stores, the fldt could not
// take them from the stores and waited for them to reach the cache, on every conversion.)
[[gnu::always_inline]] inline long double Real48ToExtended(const Real48& from) {
  const Real48* source = &from;
  x87::HideValue(source);  // read anew each time: nothing carries over from an earlier call
  std::uint16_t low;
  std::uint32_t high;
  std::memcpy(&low, source->bytes, 2);
  std::memcpy(&high, source->bytes + 2, 4);
  std::uint64_t exponent = low & 0xFFu;
  std::uint64_t pattern = std::uint64_t{high >> 31} << 63 |
                          (exponent + real48::kBinary64Shift) << 52 |
                          std::uint64_t{high & 0x7FFFFFFFu} << 21 | (std::uint64_t{low} >> 8) << 13;
  if (exponent == 0) pattern = 0;
  return x87::LoadBinary64(pattern);
}

// Rounds the significand to 40 bits by adding 1 at bit 23 (half away from zero, whatever the
// control word says). Magnitudes below 2^-128 after rounding become six zero bytes; 2^127 and
// above, and the infinities, raise EOverflow and leave *to untouched.
[[gnu::always_inline]] inline void ExtendedToReal48(long double value, Real48* to) {
  Extended bits;
  x87::StoreExtended(value, &bits);
  std::uint64_t significand = bits.Significand();
  std::uint32_t sign = bits.Sign();
  std::int32_t exponent = bits.BiasedExponent() - real48::kExtendedShift;

  std::uint64_t rounded = significand + (std::uint64_t{1} << 23);
  if (rounded < significand) {  // carried out of the significand: the next power of two
    rounded = Extended::kIntegerBit;
    ++exponent;
  }
  std::uint16_t low = 0;
  std::uint32_t high = 0;
  if (exponent > 0) {
    if (exponent > 255) real48::RaiseOverflow();
    low = static_cast<std::uint16_t>(exponent | (rounded >> 24 & 0xFFu) << 8);
    high = static_cast<std::uint32_t>(rounded >> 32) & 0x7FFFFFFFu;
    high |= sign << 31;
  }
  std::memcpy(to->bytes, &low, 2);
  std::memcpy(to->bytes + 2, &high, 4);
}

}  // namespace zaveredo
