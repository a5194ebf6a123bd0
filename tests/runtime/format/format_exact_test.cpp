// The two kinds of call the program makes, checked over many values against the exact
// decimal value of each input.
//
// The conversion first rounds to 18 significant digits and only then to the digits shown, so
// its text can differ from a single correct rounding when the exact value lies within one unit
// of the 18th digit of a rounding boundary (a double rounding). Those values are decided by the
// step-by-step model in decimal_digits_test; here they are skipped, and every other value must
// print exactly as its correctly rounded (half away from zero) decimal value.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "runtime/format/format_decimal.h"
#include "tests/runtime/format/decimal_model.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using model::Natural;

constexpr Separators kEnglish{'.', ','};
constexpr Separators kGerman{',', '.'};

struct ExactRounding {
  bool ambiguous;
  Natural scaled;  // |value| × 10^digits, rounded half away from zero
};

// The exact value is significand × 2^exponent; the values used here are below 2^63, so the
// exponent is negative and |value| × 10^digits = numerator / 2^shift.
ExactRounding RoundExactly(long double value, int digits) {
  model::Binary magnitude = model::MagnitudeOf(value);
  Natural numerator = magnitude.significand;
  for (int i = 0; i < digits; ++i) numerator.MultiplyBy(10);
  int shift = -magnitude.exponent;
  Natural denominator = Natural(1).ShiftedLeft(shift);
  Natural remainder;
  Natural quotient = numerator.DividedBy(denominator, &remainder);
  // Distance from one half, as |2 × remainder − denominator| against 2 × denominator.
  Natural twice = remainder.ShiftedLeft(1);
  bool upper = Compare(twice, denominator) >= 0;
  Natural distance = twice;
  if (upper) {
    distance.Subtract(denominator);
  } else {
    distance = denominator;
    distance.Subtract(twice);
  }
  // One unit of the 18th digit is at most 10^(digits - 12) here (values below 10^6).
  Natural bound = distance;
  for (int i = 0; i < 12 - digits; ++i) bound.MultiplyBy(10);
  bool ambiguous = !distance.IsZero() && Compare(bound, denominator.ShiftedLeft(1)) <= 0;
  if (upper) quotient.Add(Natural(1));
  return {ambiguous, quotient};
}

std::string Grouped(const std::string& integer, char separator) {
  std::string text;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) text += separator;
    text += integer[i];
  }
  return text;
}

// The expected text from the exact rounding, in the fixed or number layout.
std::string ExpectedText(const ExactRounding& rounding, bool negative, int digits, bool grouped,
                         const Separators& separators) {
  std::string all = rounding.scaled.Decimal();
  if (all.size() <= static_cast<std::size_t>(digits)) all.insert(0, digits + 1 - all.size(), '0');
  std::string integer = all.substr(0, all.size() - digits);
  std::string text = negative && !rounding.scaled.IsZero() ? "-" : "";
  text += grouped ? Grouped(integer, separators.thousands) : integer;
  if (digits > 0) text += separators.decimal + all.substr(all.size() - digits);
  return text;
}

// Values as the program meets them: single and double precision widened, short binary
// fractions (exact ties among them) and decimal fractions, with magnitudes spread over binades.
long double RandomValue(std::mt19937_64& random, double limit) {
  std::uniform_real_distribution<double> fraction(0.0, 1.0);
  double magnitude = limit * std::pow(2.0, -40.0 * fraction(random));
  if (random() % 2) magnitude = limit * fraction(random);
  long double value;
  switch (random() % 4) {
    case 0:
      value = static_cast<float>(magnitude);
      break;
    case 1:
      value = magnitude;
      break;
    case 2:  // m / 2^j: exact ties at the last digit shown
      value = std::ldexp(std::floor(magnitude * 64.0), -6);
      break;
    default: {  // n / 10^k computed in extended: just off a tie
      long double n = std::floor(magnitude * 100000.0);
      value = n / 100000.0L;
    }
  }
  return random() % 3 == 0 ? -value : value;
}

class FormatExactTest : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
  void TearDown() override { x87::ResetFpu(); }
};

TEST_F(FormatExactTest, TimesInSecondsAreCorrectlyRoundedToFourDigits) {
  std::mt19937_64 random(86400);
  int checked = 0;
  for (int trial = 0; trial < 30000; ++trial) {
    long double value = RandomValue(random, 99999.0);
    ExactRounding rounding = RoundExactly(value, 4);
    if (rounding.ambiguous) continue;
    ++checked;
    ASSERT_EQ(FormatDecimal(value, DecimalStyle::kNumber, 9, 4, kEnglish),
              ExpectedText(rounding, std::signbit(value), 4, true, kEnglish))
        << static_cast<double>(value);
    ASSERT_EQ(FormatDecimal(value, DecimalStyle::kNumber, 9, 4, kGerman),
              ExpectedText(rounding, std::signbit(value), 4, true, kGerman))
        << static_cast<double>(value);
  }
  EXPECT_GT(checked, 29000);  // skipping must stay the rare exception
}

TEST_F(FormatExactTest, ClockRatesAreCorrectlyRoundedToIntegers) {
  std::mt19937_64 random(1795);
  int checked = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    long double value = RandomValue(random, 9999.0);
    ExactRounding rounding = RoundExactly(value, 0);
    if (rounding.ambiguous) continue;
    ++checked;
    std::string expected = ExpectedText(rounding, std::signbit(value), 0, false, kGerman);
    if (rounding.scaled.Decimal().size() > 4) expected = std::signbit(value) ? "-1E4" : "1E4";
    ASSERT_EQ(FormatDecimal(value, DecimalStyle::kFixed, 4, 0, kGerman), expected)
        << static_cast<double>(value);
  }
  EXPECT_GT(checked, 19000);
}

}  // namespace
}  // namespace zaveredo
