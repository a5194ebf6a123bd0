// The two storage formats that have no C++ counterpart, as packed little-endian bytes.
// Arrays of them lie at a stride of exactly their width.
#pragma once

#include <cstdint>

namespace zaveredo {

// Six-byte real: exponent byte (bias 129, 0 = zero), 39 fraction bits, sign in the top bit.
struct Real48 {
  std::uint8_t bytes[6];
};

// The x87 80-bit extended format: 64-bit significand, then sign and 15-bit exponent.
struct Extended {
  std::uint8_t bytes[10];
};

static_assert(sizeof(Real48) == 6 && alignof(Real48) == 1);
static_assert(sizeof(Extended) == 10 && alignof(Extended) == 1);

}  // namespace zaveredo
