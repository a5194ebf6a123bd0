// The x87 80-bit extended format as it lies in memory: the 64-bit significand with its
// explicit integer bit, then the sign and the 15-bit biased exponent, little-endian and
// unpadded. The extended element type stores exactly this.
#pragma once

#include <cstdint>
#include <cstring>

namespace zaveredo::x87 {

struct ExtendedBits {
  static constexpr int kExponentBias = 16383;
  static constexpr std::uint16_t kSpecialExponent = 0x7FFF;  // infinities and NaNs
  static constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

  std::uint8_t bytes[10];

  static ExtendedBits Of(long double value) {
    ExtendedBits bits;
    std::memcpy(bits.bytes, &value, sizeof bits.bytes);
    return bits;
  }

  std::uint64_t Significand() const {
    std::uint64_t significand;
    std::memcpy(&significand, bytes, 8);
    return significand;
  }
  std::uint16_t BiasedExponent() const { return SignAndExponent() & 0x7FFF; }
  bool Sign() const { return (SignAndExponent() & 0x8000) != 0; }

 private:
  std::uint16_t SignAndExponent() const {
    return static_cast<std::uint16_t>(bytes[8] | bytes[9] << 8);
  }
};

static_assert(sizeof(ExtendedBits) == 10 && alignof(ExtendedBits) == 1);

}  // namespace zaveredo::x87
