#include "runtime/format/decimal_digits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "runtime/format/powers_of_ten.h"
#include "tests/runtime/format/decimal_model.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using model::Binary;
using model::Natural;

class DecimalDigitsTest : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
  void TearDown() override { x87::ResetFpu(); }
};

// 10^n rounded once to 64 bits, from the exact integer; cached, the large ones are slow.
const Binary& ModelPowerOfTen(int n) {
  static std::map<int, Binary> cache;
  auto found = cache.find(n);
  if (found != cache.end()) return found->second;
  return cache[n] = model::RoundToWidth(Natural::PowerOfTen(n), 0, false, model::kExtendedWidth);
}

long double FromFields(bool negative, int biasedExponent, std::uint64_t significand) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  int signExponent = biasedExponent | (negative ? 0x8000 : 0);
  bytes[8] = static_cast<unsigned char>(signExponent);
  bytes[9] = static_cast<unsigned char>(signExponent >> 8);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// A normal extended value with a random significand and a binary exponent in [low, high].
long double RandomNormal(std::mt19937_64& random, int low, int high, bool allowNegative) {
  std::uniform_int_distribution<int> exponent(low, high);
  std::uint64_t significand = random() | (std::uint64_t{1} << 63);
  // Short significands give exact ties and values with few decimal digits.
  if (random() % 4 == 0) significand &= ~std::uint64_t{0} << (random() % 60);
  return FromFields(allowNegative && (random() & 1), exponent(random) + 16383, significand);
}

// Scaling 1 takes a single rounded factor, the table's entry, for every n below 32, every
// multiple of 32 below 512 and every multiple of 512.
TEST_F(DecimalDigitsTest, ScalingOneGivesTheCorrectlyRoundedPowers) {
  std::vector<int> exponents;
  for (int n = 0; n < 32; ++n) exponents.push_back(n);
  for (int n = 32; n < 512; n += 32) exponents.push_back(n);
  for (int n = 512; n < kScaleLimit; n += 512) exponents.push_back(n);
  for (int n : exponents)
    EXPECT_TRUE(model::SameMagnitude(ModelPowerOfTen(n), ScaleByPowerOfTen(1.0L, n))) << "10^" << n;
  // 10^27 is the last power that is held exactly; 10^28 needs 65 bits.
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, 27), 1e27L);
  EXPECT_EQ(Natural::PowerOfTen(27).BitLength() - 27, 63);
}

// The model of the scaling: the same three factors, each step rounded to 64 bits.
Binary ModelScale(Binary x, int exponent) {
  int k = std::abs(exponent);
  for (int n : {k % 32, 32 * ((k / 32) % 16), 512 * (k / 512)})
    x = exponent >= 0 ? model::Multiply(x, ModelPowerOfTen(n))
                      : model::Divide(x, ModelPowerOfTen(n));
  return x;
}

TEST_F(DecimalDigitsTest, ScalingBeyondTheTablesGivesInfinityOrZero) {
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, kScaleLimit), std::numeric_limits<long double>::infinity());
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, -kScaleLimit), 0.0L);
  EXPECT_EQ(ScaleByPowerOfTen(1e-4900L, kScaleLimit - 1) > 1e200L, true);
  EXPECT_EQ(ScaleByPowerOfTen(3.0L, 0), 3.0L);
}

struct ModelEighteen {
  Natural value;
  int exponent;
};

ModelEighteen ModelEighteenDigits(long double magnitude) {
  int binaryExponent = model::FieldsOf(magnitude).biasedExponent - 16383;
  // floor(e2 × 19728 / 65536) + 1; the product is exact in a double.
  int exponent = static_cast<int>(std::floor(binaryExponent * 19728.0 / 65536.0)) + 1;
  Natural rounded = model::RoundToInteger(ModelScale(model::MagnitudeOf(magnitude), 18 - exponent));
  if (Compare(rounded, Natural::PowerOfTen(18)) >= 0) {
    rounded = model::RoundToInteger(model::Divide({rounded, 0}, {Natural(10), 0}));
    ++exponent;
  }
  return {rounded, exponent};
}

TEST_F(DecimalDigitsTest, EighteenDigitsFollowTheExactModelOverTheWholeRange) {
  std::mt19937_64 random(4932);
  for (int trial = 0; trial < 20000; ++trial) {
    long double value = RandomNormal(random, -16382, 16383, false);
    ModelEighteen expected = ModelEighteenDigits(value);
    EighteenDigits actual = ScaleToEighteenDigits(value);
    ASSERT_EQ(actual.exponent, expected.exponent) << value;
    ASSERT_EQ(actual.value, expected.value.Low64()) << value;
  }
  // The extremes of the range.
  for (long double value : {std::numeric_limits<long double>::max(),
                            std::numeric_limits<long double>::min(), 1.0L, 1e18L, 1e17L}) {
    ModelEighteen expected = ModelEighteenDigits(value);
    EighteenDigits actual = ScaleToEighteenDigits(value);
    EXPECT_EQ(actual.exponent, expected.exponent) << value;
    EXPECT_EQ(actual.value, expected.value.Low64()) << value;
  }
}

// The digit rounding, modelled as integer arithmetic on the 18-digit number: add half a unit
// of the last kept place, then cut.
DecimalDigits ModelDecimalDigits(long double value, int precision, int digits) {
  DecimalDigits result;
  ModelEighteen eighteen = ModelEighteenDigits(std::fabs(value));
  long long wanted = static_cast<long long>(eighteen.exponent) + digits;
  if (wanted < 0) return result;
  int kept = static_cast<int>(std::min<long long>(wanted, std::clamp(precision, 2, 18)));
  int exponent = eighteen.exponent;
  std::string text;
  if (kept >= 18) {
    text = eighteen.value.Decimal();
    text.insert(0, 18 - text.size(), '0');
  } else {
    Natural unit = Natural::PowerOfTen(18 - kept);
    Natural half = Natural::PowerOfTen(17 - kept);
    half.MultiplyBy(5);
    Natural sum = eighteen.value;
    sum.Add(half);
    Natural cut = sum.DividedBy(unit, nullptr);
    if (Compare(cut, Natural::PowerOfTen(kept)) == 0) {
      text = "1";
      ++exponent;
    } else if (!cut.IsZero()) {
      text = cut.Decimal();
      text.insert(0, kept - text.size(), '0');
    }
  }
  while (!text.empty() && text.back() == '0') text.pop_back();
  result.exponent = static_cast<std::int16_t>(exponent);
  result.negative = !text.empty() && std::signbit(value);
  std::memcpy(result.digits, text.c_str(), text.size() + 1);
  return result;
}

TEST_F(DecimalDigitsTest, RoundedDigitsFollowTheExactModel) {
  std::mt19937_64 random(1332);
  for (int trial = 0; trial < 20000; ++trial) {
    long double value = RandomNormal(random, -90, 90, true);
    int precision = std::uniform_int_distribution<int>(-1, 20)(random);
    int digits = std::uniform_int_distribution<int>(0, 20)(random);
    DecimalDigits expected = ModelDecimalDigits(value, precision, digits);
    DecimalDigits actual = ToDecimalDigits(value, precision, digits);
    ASSERT_EQ(actual.exponent, expected.exponent) << value << " " << precision << " " << digits;
    ASSERT_EQ(actual.negative, expected.negative) << value << " " << precision << " " << digits;
    ASSERT_STREQ(actual.digits, expected.digits) << value << " " << precision << " " << digits;
  }
}

TEST_F(DecimalDigitsTest, SpecialValuesAreDecidedOnTheBitPattern) {
  struct Case {
    long double value;
    std::int16_t exponent;
    bool negative;
  };
  const Case cases[] = {
      {0.0L, 0, false},
      {-0.0L, 0, false},
      {FromFields(true, 0, 0x0000000000000001u), 0, false},   // denormal
      {FromFields(false, 0, 0x8000000000000000u), 0, false},  // pseudo-denormal
      {FromFields(false, 0x7FFF, 0x8000000000000000u), kInfinityExponent, false},
      {FromFields(true, 0x7FFF, 0x8000000000000000u), kInfinityExponent, true},
      {FromFields(true, 0x7FFF, 0x0000000000000001u), kInfinityExponent, true},  // no top bit
      {FromFields(true, 0x7FFF, 0xC000000000000000u), kNanExponent, false},
      {FromFields(false, 0x7FFF, 0x8000000000000001u), kNanExponent, false},
      {FromFields(true, 0x3FFF, 0x4000000000000000u), kNanExponent, false},  // unnormal
  };
  for (const Case& c : cases) {
    DecimalDigits decimal = ToDecimalDigits(c.value, 18, 18);
    EXPECT_EQ(decimal.exponent, c.exponent) << c.value;
    EXPECT_EQ(decimal.negative, c.negative) << c.value;
    EXPECT_STREQ(decimal.digits, "") << c.value;
  }
}

TEST_F(DecimalDigitsTest, CarriesAndZeroResults) {
  DecimalDigits carried = ToDecimalDigits(-9.9999L, 4, 0);  // every kept digit passes 9
  EXPECT_EQ(carried.exponent, 2);
  EXPECT_TRUE(carried.negative);
  EXPECT_STREQ(carried.digits, "1");
  DecimalDigits tooSmall = ToDecimalDigits(-0.00004L, 9, 4);  // below the last place
  EXPECT_EQ(tooSmall.exponent, -4);
  EXPECT_FALSE(tooSmall.negative);
  EXPECT_STREQ(tooSmall.digits, "");
  DecimalDigits farBelow = ToDecimalDigits(-1e-10L, 9, 4);  // no place reached at all
  EXPECT_EQ(farBelow.exponent, 0);
  EXPECT_FALSE(farBelow.negative);
}

}  // namespace
}  // namespace zaveredo
