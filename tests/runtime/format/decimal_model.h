// An independent model of the extended-precision arithmetic behind the decimal conversion and
// the time of day, in exact integer arithmetic: a small natural-number type and binary
// floating-point values rounded to a chosen significand width, ties to even. It shares no
// code with the x87 implementation, so agreement checks the real instructions, the table of
// powers and the step order together.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zaveredo::model {

class Natural {
 public:
  Natural() = default;
  explicit Natural(std::uint64_t value) {
    while (value != 0) {
      words_.push_back(static_cast<std::uint32_t>(value));
      value >>= 32;
    }
  }

  static Natural PowerOfTen(int n) {
    Natural power(1);
    for (int i = 0; i < n; ++i) power.MultiplyBy(10);
    return power;
  }

  bool IsZero() const { return words_.empty(); }

  int BitLength() const {
    if (words_.empty()) return 0;
    int bits = 32;
    while (!(words_.back() >> (bits - 1) & 1u)) --bits;
    return static_cast<int>(words_.size() - 1) * 32 + bits;
  }

  bool Bit(int i) const {
    std::size_t word = static_cast<std::size_t>(i) / 32;
    return word < words_.size() && (words_[word] >> (i % 32) & 1u);
  }

  bool AnyBitBelow(int i) const {
    for (int k = 0; k < i; ++k)
      if (Bit(k)) return true;
    return false;
  }

  std::uint64_t Low64() const {
    std::uint64_t low = 0;
    for (std::size_t i = std::min<std::size_t>(words_.size(), 2); i-- > 0;)
      low = (low << 32) | words_[i];
    return low;
  }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : words_) {
      std::uint64_t product = std::uint64_t{word} * factor + carry;
      word = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
    Trim();
  }

  void Add(const Natural& other) {
    if (words_.size() < other.words_.size()) words_.resize(other.words_.size(), 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
      std::uint64_t sum = std::uint64_t{words_[i]} + carry;
      if (i < other.words_.size()) sum += other.words_[i];
      words_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
  }

  // Requires *this >= other.
  void Subtract(const Natural& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
      std::int64_t difference = std::int64_t{words_[i]} - borrow;
      if (i < other.words_.size()) difference -= other.words_[i];
      borrow = difference < 0;
      words_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    Trim();
  }

  Natural Times(const Natural& other) const {
    Natural product;
    product.words_.assign(words_.size() + other.words_.size(), 0);
    for (std::size_t i = 0; i < words_.size(); ++i) {
      std::uint64_t carry = 0;
      for (std::size_t j = 0; j < other.words_.size(); ++j) {
        std::uint64_t t =
            std::uint64_t{words_[i]} * other.words_[j] + product.words_[i + j] + carry;
        product.words_[i + j] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
      }
      product.words_[i + other.words_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.Trim();
    return product;
  }

  Natural ShiftedLeft(int bits) const {
    Natural shifted;
    shifted.words_.assign(static_cast<std::size_t>(bits / 32), 0);
    std::uint32_t carry = 0;
    int partial = bits % 32;
    for (std::uint32_t word : words_) {
      shifted.words_.push_back(partial == 0 ? word : (word << partial) | carry);
      carry = partial == 0 ? 0 : word >> (32 - partial);
    }
    if (carry != 0) shifted.words_.push_back(carry);
    shifted.Trim();
    return shifted;
  }

  Natural ShiftedRight(int bits) const {
    Natural shifted;
    for (int i = 0; i < BitLength() - bits; i += 32) {
      std::uint32_t word = 0;
      for (int k = 31; k >= 0; --k) word = (word << 1) | Bit(bits + i + k);
      shifted.words_.push_back(word);
    }
    shifted.Trim();
    return shifted;
  }

  friend int Compare(const Natural& a, const Natural& b) {
    if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
    for (std::size_t i = a.words_.size(); i-- > 0;)
      if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    return 0;
  }

  // Long division, one bit at a time; the remainder is left in *remainder.
  Natural DividedBy(const Natural& divisor, Natural* remainder) const {
    Natural quotient;
    Natural rest;
    for (int i = BitLength() - 1; i >= 0; --i) {
      rest.ShiftInBit(Bit(i));
      bool fits = Compare(rest, divisor) >= 0;
      if (fits) rest.Subtract(divisor);
      quotient.ShiftInBit(fits);
    }
    if (remainder != nullptr) *remainder = rest;
    return quotient;
  }

  std::string Decimal() const {
    if (IsZero()) return "0";
    std::string digits;
    Natural rest = *this;
    while (!rest.IsZero()) {
      std::uint64_t remainder = 0;
      for (std::size_t i = rest.words_.size(); i-- > 0;) {
        std::uint64_t current = (remainder << 32) | rest.words_[i];
        rest.words_[i] = static_cast<std::uint32_t>(current / 10);
        remainder = current % 10;
      }
      rest.Trim();
      digits.insert(digits.begin(), static_cast<char>('0' + remainder));
    }
    return digits;
  }

 private:
  // *this = 2 × *this + bit.
  void ShiftInBit(bool bit) {
    std::uint32_t carry = bit ? 1u : 0u;
    for (std::uint32_t& word : words_) {
      std::uint32_t out = word >> 31;
      word = (word << 1) | carry;
      carry = out;
    }
    if (carry != 0) words_.push_back(carry);
  }
  void Trim() {
    while (!words_.empty() && words_.back() == 0) words_.pop_back();
  }
  std::vector<std::uint32_t> words_;  // least significant first, no leading zero words
};

// A non-negative binary value significand × 2^exponent.
struct Binary {
  Natural significand;
  int exponent = 0;
};

// Rounds significand × 2^exponent (plus a sticky "something below" bit) to `width` bits.
inline Binary RoundToWidth(const Natural& significand, int exponent, bool sticky, int width) {
  int extra = significand.BitLength() - width;
  if (extra <= 0) return {significand, exponent};
  Natural kept = significand.ShiftedRight(extra);
  bool half = significand.Bit(extra - 1);
  bool below = sticky || significand.AnyBitBelow(extra - 1);
  if (half && (below || kept.Bit(0))) kept.Add(Natural(1));
  return {kept, exponent + extra};
}

inline constexpr int kExtendedWidth = 64;
inline constexpr int kDoubleWidth = 53;

inline Binary Multiply(const Binary& a, const Binary& b, int width = kExtendedWidth) {
  return RoundToWidth(a.significand.Times(b.significand), a.exponent + b.exponent, false, width);
}

inline Binary Divide(const Binary& a, const Binary& b, int width = kExtendedWidth) {
  // Enough quotient bits for the width plus a rounding bit; the remainder is the sticky bit.
  int shift = width + 2 + b.significand.BitLength() - a.significand.BitLength();
  if (shift < 0) shift = 0;
  Natural remainder;
  Natural quotient = a.significand.ShiftedLeft(shift).DividedBy(b.significand, &remainder);
  return RoundToWidth(quotient, a.exponent - b.exponent - shift, !remainder.IsZero(), width);
}

// Ties to even.
inline Natural RoundToInteger(const Binary& x) {
  if (x.exponent >= 0) return x.significand.ShiftedLeft(x.exponent);
  Binary rounded =
      RoundToWidth(x.significand, x.exponent, false, x.significand.BitLength() + x.exponent);
  if (rounded.exponent < 0) return Natural();  // below one half
  return rounded.significand.ShiftedLeft(rounded.exponent);
}

// The fields of an 80-bit value.
struct ExtendedFields {
  std::uint64_t significand;
  int biasedExponent;
  bool negative;
};

inline ExtendedFields FieldsOf(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  ExtendedFields fields{};
  std::memcpy(&fields.significand, bytes, 8);
  int signExponent = bytes[8] | (bytes[9] << 8);
  fields.biasedExponent = signExponent & 0x7FFF;
  fields.negative = (signExponent & 0x8000) != 0;
  return fields;
}

inline Binary MagnitudeOf(long double value) {
  ExtendedFields fields = FieldsOf(value);
  return {Natural(fields.significand), fields.biasedExponent - 16383 - 63};
}

// Whether a binary value equals an extended value's magnitude exactly.
inline bool SameMagnitude(const Binary& model, long double value) {
  Binary actual = MagnitudeOf(value);
  if (model.exponent >= actual.exponent)
    return Compare(model.significand.ShiftedLeft(model.exponent - actual.exponent),
                   actual.significand) == 0;
  return Compare(actual.significand.ShiftedLeft(actual.exponent - model.exponent),
                 model.significand) == 0;
}

}  // namespace zaveredo::model
