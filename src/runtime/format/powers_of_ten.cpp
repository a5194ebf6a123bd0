#include "runtime/format/powers_of_ten.h"

#include <array>
#include <bit>
#include <cstdint>

#include "x87/instructions.h"

namespace zaveredo {

namespace {

constexpr int kWordCount = kScaleLimit * 10 / 3 / 32 + 2;  // 10^n < 2^(10n/3)

// A natural number wide enough for 10^5120, for building the tables at compile time.
class Natural {
 public:
  constexpr explicit Natural(std::uint32_t value) { words_[0] = value; }

  constexpr void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < used_; ++i) {
      std::uint64_t product = std::uint64_t{words_[i]} * factor + carry;
      words_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_[used_++] = static_cast<std::uint32_t>(carry);
  }

  // Steps of 10^9 where possible keep the compile-time work small.
  constexpr void MultiplyByPowerOfTen(int n) {
    for (; n >= 9; n -= 9) MultiplyBy(1000000000u);
    for (; n > 0; --n) MultiplyBy(10u);
  }

  constexpr int BitLength() const { return (used_ - 1) * 32 + std::bit_width(words_[used_ - 1]); }

  constexpr bool Bit(int i) const { return (words_[i / 32] >> (i % 32)) & 1u; }

  constexpr bool AnyBitBelow(int i) const {
    for (int w = 0; w < i / 32; ++w)
      if (words_[w] != 0) return true;
    return (words_[i / 32] & ((std::uint32_t{1} << (i % 32)) - 1)) != 0;
  }

  // The 64 bits from bit `low` upwards.
  constexpr std::uint64_t BitsFrom(int low) const {
    std::uint64_t bits = 0;
    for (int k = 63; k >= 0; --k) bits = (bits << 1) | (low + k < used_ * 32 && Bit(low + k));
    return bits;
  }

 private:
  std::array<std::uint32_t, kWordCount> words_{};
  int used_ = 1;
};

// The natural number rounded to a 64-bit significand, ties to even, as an extended value.
constexpr long double RoundToExtended(const Natural& n) {
  int shift = n.BitLength() > 64 ? n.BitLength() - 64 : 0;
  std::uint64_t significand = n.BitsFrom(shift);
  if (shift > 0 && n.Bit(shift - 1) && (n.AnyBitBelow(shift - 1) || (significand & 1u))) {
    ++significand;
    if (significand == 0) {  // carried out of the top bit
      significand = std::uint64_t{1} << 63;
      ++shift;
    }
  }
  long double value = static_cast<long double>(significand);  // exact: 64 bits fit
  for (; shift >= 32; shift -= 32) value *= 4294967296.0L;    // powers of two: exact
  for (; shift > 0; --shift) value *= 2.0L;
  return value;
}

// 10^0, 10^step, 10^(2 step), ...
template <std::size_t kCount>
constexpr std::array<long double, kCount> PowersOfTen(int step) {
  std::array<long double, kCount> powers{};
  Natural power(1);
  for (long double& entry : powers) {
    entry = RoundToExtended(power);
    power.MultiplyByPowerOfTen(step);
  }
  return powers;
}

constexpr auto kUnitPowers = PowersOfTen<32>(1);     // 10^0 .. 10^31
constexpr auto kBlockPowers = PowersOfTen<16>(32);   // 10^0, 10^32 .. 10^480
constexpr auto kLargePowers = PowersOfTen<10>(512);  // 10^0, 10^512 .. 10^4608

long double ApplyFactor(long double x, long double factor, bool multiply) {
  if (factor == 1.0L) return x;  // an exact identity step
  return multiply ? x87::Multiply(x, factor) : x87::Divide(x, factor);
}

}  // namespace

long double ScaleByPowerOfTen(long double x, int exponent) {
  bool multiply = exponent >= 0;
  int k = multiply ? exponent : -exponent;
  if (k >= kScaleLimit) {
    if (!multiply) return 0.0L;
    return x < 0 ? -__builtin_huge_vall() : __builtin_huge_vall();
  }
  x = ApplyFactor(x, kUnitPowers[k % 32], multiply);
  x = ApplyFactor(x, kBlockPowers[(k / 32) % 16], multiply);
  return ApplyFactor(x, kLargePowers[k / 512], multiply);
}

}  // namespace zaveredo
