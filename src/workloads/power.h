// base raised to exponent, in extended. An integral exponent of magnitude at most 2^31 - 1 is
// done by square-and-multiply, so small powers of two are exact.
#pragma once

namespace zaveredo {

long double Power(long double base, long double exponent);

}  // namespace zaveredo
