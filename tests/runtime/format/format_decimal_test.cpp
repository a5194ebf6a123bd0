#include "runtime/format/format_decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "x87/control_word.h"

namespace zaveredo {
namespace {

constexpr Separators kGerman{',', '.'};
constexpr Separators kEnglish{'.', ','};

struct Row {
  const char* what;
  long double value;
  const char* german;
  const char* english;
};

class FormatDecimalTest : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
  void TearDown() override { x87::ResetFpu(); }

  static void ExpectRows(const std::vector<Row>& rows, DecimalStyle style, int precision,
                         int digits) {
    for (const Row& row : rows) {
      EXPECT_EQ(FormatDecimal(row.value, style, precision, digits, kGerman), row.german)
          << row.what << " (German)";
      EXPECT_EQ(FormatDecimal(row.value, style, precision, digits, kEnglish), row.english)
          << row.what << " (English)";
    }
  }
};

// Narrower floats are widened exactly, so their digits are those of the stored value.
long double Single(float value) {
  return value;
}
long double Double(double value) {
  return value;
}

TEST_F(FormatDecimalTest, TimesInSecondsUseTheNumberStyle) {
  ExpectRows(
      {
          {"zero", 0.0L, "0,0000", "0.0000"},
          {"exact tie rounds away from zero", 0.03125L, "0,0313", "0.0313"},
          {"tie above one", 1.03125L, "1,0313", "1.0313"},
          {"trailing zeros are written", 12.5L, "12,5000", "12.5000"},
          {"2.3456 single", Single(2.3456f), "2,3456", "2.3456"},
          {"3.99995 single is below the tie", Single(3.99995f), "3,9999", "3.9999"},
          {"3.99995 double carries into the integer", Double(3.99995), "4,0000", "4.0000"},
          {"1234.56789 single", Single(1234.56789f), "1.234,5679", "1,234.5679"},
          {"negative with a group", -1234.5L, "-1.234,5000", "-1,234.5000"},
          {"a day's seconds", 86399.5L, "86.399,5000", "86,399.5000"},
          {"123456.789 single", Single(123456.789f), "123.456,7890", "123,456.7890"},
          {"two groups", 1000000.0L, "1.000.000,0000", "1,000,000.0000"},
          {"negative rounding to zero has no sign", -0.00004L, "0,0000", "0.0000"},
          {"0.00005 single is below the tie", Single(0.00005f), "0,0000", "0.0000"},
          {"0.00005 double rounds up", Double(0.00005), "0,0001", "0.0001"},
          {"negative below one", -0.5L, "-0,5000", "-0.5000"},
          {"rounding up past the precision", Double(999999999.99), "1E0009", "1E0009"},
          {"too many integer digits", 12345678901.0L, "1,23456789E0010", "1.23456789E0010"},
      },
      DecimalStyle::kNumber, 9, 4);
}

TEST_F(FormatDecimalTest, ClockRatesUseTheFixedStyle) {
  ExpectRows(
      {
          {"fraction dropped", 1795.123L, "1795", "1795"},
          {"tie rounds away from zero (odd)", 2992.5L, "2993", "2993"},
          {"tie rounds away from zero (even)", 2993.5L, "2994", "2994"},
          {"carry adds a digit", 999.5L, "1000", "1000"},
          {"as many digits as the precision", 9999.4L, "9999", "9999"},
          {"carry past the precision", 9999.5L, "1E4", "1E4"},
          {"general with one more digit", 12000.4L, "1,2E4", "1.2E4"},
          {"general rounded to the precision", 12345.6L, "1,235E4", "1.235E4"},
          {"general without fraction", 100000.0L, "1E5", "1E5"},
          {"below half", 0.4L, "0", "0"},
          {"half", 0.5L, "1", "1"},
          {"negative below half has no sign", -0.4L, "0", "0"},
          {"negative tie", -5.5L, "-6", "-6"},
      },
      DecimalStyle::kFixed, 4, 0);
}

TEST_F(FormatDecimalTest, PhaseTimesAsTheyAreStored) {
  // Elapsed seconds are single-precision products of a day fraction and 86400.
  ExpectRows(
      {
          {"one second after 15:00", Single(0.9990692138671875f), "0,9991", "0.9991"},
          {"one step of the clock", Single(0.00514984130859375f), "0,0051", "0.0051"},
          {"ten seconds after midnight", Single(10.00002670288086f), "10,0000", "10.0000"},
          {"a phase across midnight", Single(-86399.0f), "-86.399,0000", "-86,399.0000"},
          {"equal samples", Single(0.0f), "0,0000", "0.0000"},
      },
      DecimalStyle::kNumber, 9, 4);
}

long double FromBits(std::uint16_t signExponent, std::uint64_t significand) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  bytes[8] = static_cast<unsigned char>(signExponent);
  bytes[9] = static_cast<unsigned char>(signExponent >> 8);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

TEST_F(FormatDecimalTest, SpecialValues) {
  const long double infinity = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(FormatDecimal(-0.0L, DecimalStyle::kNumber, 9, 4, kGerman), "0,0000");
  EXPECT_EQ(FormatDecimal(std::numeric_limits<long double>::denorm_min(), DecimalStyle::kNumber, 9,
                          4, kGerman),
            "0,0000");
  EXPECT_EQ(FormatDecimal(-std::numeric_limits<long double>::denorm_min(), DecimalStyle::kFixed, 4,
                          0, kGerman),
            "0");
  EXPECT_EQ(FormatDecimal(infinity, DecimalStyle::kNumber, 9, 4, kGerman), "INF");
  EXPECT_EQ(FormatDecimal(-infinity, DecimalStyle::kNumber, 9, 4, kGerman), "-INF");
  EXPECT_EQ(FormatDecimal(std::numeric_limits<long double>::quiet_NaN(), DecimalStyle::kFixed, 4, 0,
                          kGerman),
            "NAN");
  EXPECT_EQ(FormatDecimal(-std::numeric_limits<long double>::quiet_NaN(), DecimalStyle::kFixed, 4,
                          0, kGerman),
            "NAN");
  // Exponent field all ones without the integer bit counts as infinity, with the sign.
  EXPECT_EQ(
      FormatDecimal(FromBits(0xFFFF, 0x4000000000000000u), DecimalStyle::kFixed, 4, 0, kGerman),
      "-INF");
  EXPECT_EQ(
      FormatDecimal(FromBits(0x7FFF, 0xC000000000000000u), DecimalStyle::kFixed, 4, 0, kGerman),
      "NAN");
}

TEST_F(FormatDecimalTest, NulSeparatorsAreNotWritten) {
  const Separators none{'\0', '\0'};
  EXPECT_EQ(FormatDecimal(1234567.25L, DecimalStyle::kNumber, 9, 4, none), "12345672500");
  const Separators dotOnly{'.', '\0'};
  EXPECT_EQ(FormatDecimal(-1234567.25L, DecimalStyle::kNumber, 9, 4, dotOnly), "-1234567.2500");
  EXPECT_EQ(FormatDecimal(12345.6L, DecimalStyle::kFixed, 4, 0, none), "1235E4");
}

TEST_F(FormatDecimalTest, FixedStyleNeverGroups) {
  EXPECT_EQ(FormatDecimal(1234567.25L, DecimalStyle::kFixed, 9, 2, kGerman), "1234567,25");
  EXPECT_EQ(FormatDecimal(1234567.25L, DecimalStyle::kNumber, 9, 2, kGerman), "1.234.567,25");
  EXPECT_EQ(FormatDecimal(123.0L, DecimalStyle::kNumber, 9, 0, kGerman), "123");
  EXPECT_EQ(FormatDecimal(123456.0L, DecimalStyle::kNumber, 9, 0, kGerman), "123.456");
}

TEST_F(FormatDecimalTest, SmallMagnitudesAndLongFractions) {
  // Leading zeros of the fraction come before the digits; the digit count caps at 18.
  EXPECT_EQ(FormatDecimal(0.00125L, DecimalStyle::kNumber, 9, 6, kEnglish), "0.001250");
  EXPECT_EQ(FormatDecimal(0.00125L, DecimalStyle::kNumber, 9, 2, kEnglish), "0.00");
  EXPECT_EQ(FormatDecimal(0.5L, DecimalStyle::kFixed, 18, 25, kEnglish), "0.500000000000000000");
  EXPECT_EQ(FormatDecimal(1e-30L, DecimalStyle::kFixed, 18, 25, kEnglish), "0.000000000000000000");
  // Precision is clamped to 2..18.
  EXPECT_EQ(FormatDecimal(123.456L, DecimalStyle::kFixed, 0, 4, kEnglish), "1.2E0002");
  EXPECT_EQ(FormatDecimal(0.123456789012345678901L, DecimalStyle::kFixed, 40, 20, kEnglish),
            "0.123456789012345679");
}

TEST_F(FormatDecimalTest, GeneralStylePadsTheExponent) {
  EXPECT_EQ(FormatDecimal(123456.0L, DecimalStyle::kFixed, 2, 1, kEnglish), "1.2E5");
  EXPECT_EQ(FormatDecimal(123456.0L, DecimalStyle::kFixed, 2, 3, kEnglish), "1.2E005");
  EXPECT_EQ(FormatDecimal(123456.0L, DecimalStyle::kFixed, 2, 5, kEnglish), "1.2E5");
  EXPECT_EQ(FormatDecimal(-1e300L, DecimalStyle::kNumber, 9, 4, kEnglish), "-1E0300");
}

TEST_F(FormatDecimalTest, ResultDoesNotDependOnTheCallersRounding) {
  const long double value = Double(999999999.99);
  const std::string expected = FormatDecimal(value, DecimalStyle::kNumber, 9, 4, kGerman);
  // Round toward zero with a 53-bit significand would change the scaling and the roundings.
  const x87::ControlWord towardZero =
      x87::kRunControlWord.With(x87::Rounding::kTowardZero).With(x87::Precision::kDouble);
  x87::SetControlWord(towardZero);
  EXPECT_EQ(FormatDecimal(value, DecimalStyle::kNumber, 9, 4, kGerman), expected);
  EXPECT_EQ(FormatDecimal(2992.5L, DecimalStyle::kFixed, 4, 0, kGerman), "2993");
  EXPECT_EQ(x87::ControlWordInForce(), towardZero);
}

}  // namespace
}  // namespace zaveredo
