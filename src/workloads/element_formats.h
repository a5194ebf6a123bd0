// The two storage formats that have no C++ counterpart, as packed little-endian bytes.
// Arrays of them lie at a stride of exactly their width.
#pragma once

#include <cstdint>

#include "x87/extended_bits.h"

namespace zaveredo {

// Six-byte real: exponent byte (bias 129, 0 = zero), 39 fraction bits, sign in the top bit.
struct Real48 {
  std::uint8_t bytes[6];
};

// The x87 80-bit extended format, as the unit stores it.
using Extended = x87::ExtendedBits;

static_assert(sizeof(Real48) == 6 && alignof(Real48) == 1);

}  // namespace zaveredo
