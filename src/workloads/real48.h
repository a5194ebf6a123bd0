// Conversions between the six-byte real and extended.
#pragma once

#include "workloads/element_formats.h"

namespace zaveredo {

// Exact. An exponent byte of 0 reads as +0 whatever the other bytes hold.
long double Real48ToExtended(const Real48& from);

// Rounds the significand to 40 bits by adding 1 at bit 23 (half away from zero, whatever the
// control word says). Magnitudes below 2^-128 after rounding become six zero bytes; 2^127 and
// above, and the infinities, raise EOverflow and leave *to untouched.
void ExtendedToReal48(long double value, Real48* to);

}  // namespace zaveredo
