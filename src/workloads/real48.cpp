#include "workloads/real48.h"

#include <cstdint>
#include <cstring>

#include "runtime/errors/errors.h"
#include "x87/instructions.h"

namespace zaveredo {

namespace {

// Biased exponent of extended minus that of real48 (129).
constexpr std::int32_t kExponentShift = Extended::kExponentBias - 129;

}  // namespace

long double Real48ToExtended(const Real48& from) {
  Extended result{};
  if (from.bytes[0] != 0) {
    std::uint32_t high;
    std::memcpy(&high, from.bytes + 2, 4);
    std::uint64_t significand = Extended::kIntegerBit | std::uint64_t{high & 0x7FFFFFFFu} << 32 |
                                std::uint64_t{from.bytes[1]} << 24;
    std::uint32_t signAndExponent = (high >> 31) << 15 | (from.bytes[0] + kExponentShift);
    std::memcpy(result.bytes, &significand, 8);
    result.bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    result.bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
  }
  return x87::LoadExtended(result);
}

void ExtendedToReal48(long double value, Real48* to) {
  Extended bits;
  x87::StoreExtended(value, &bits);
  std::uint64_t significand = bits.Significand();
  std::uint32_t sign = bits.Sign();
  std::int32_t exponent = bits.BiasedExponent() - kExponentShift;

  std::uint64_t rounded = significand + (std::uint64_t{1} << 23);
  if (rounded < significand) {  // carried out of the significand: the next power of two
    rounded = Extended::kIntegerBit;
    ++exponent;
  }
  if (exponent <= 0) {
    std::memset(to->bytes, 0, sizeof to->bytes);
    return;
  }
  if (exponent > 255) RaiseRunError(ErrorKind::EOverflow, __builtin_return_address(0));

  std::uint32_t high = static_cast<std::uint32_t>(rounded >> 32) & 0x7FFFFFFFu;
  high |= sign << 31;
  to->bytes[0] = static_cast<std::uint8_t>(exponent);
  to->bytes[1] = static_cast<std::uint8_t>(rounded >> 24);
  std::memcpy(to->bytes + 2, &high, 4);
}

}  // namespace zaveredo
