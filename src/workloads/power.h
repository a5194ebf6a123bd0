// base raised to exponent, in extended. An integral exponent of magnitude at most 2^31 - 1 is
// done by square-and-multiply, so small powers of two are exact.
// The operands come by reference: passed by value on x86-64 they are copied from the x87 store
// through integer registers and reloaded, two failed store forwards each, which tripled the
// cost of the Comp and Int64 fills (see docs/performance.md).
#pragma once

namespace zaveredo {

long double Power(const long double& base, const long double& exponent);

}  // namespace zaveredo
