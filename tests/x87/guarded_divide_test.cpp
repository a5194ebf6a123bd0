#include "x87/guarded_divide.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/x87/x87_test.h"

namespace zaveredo {
namespace {

class GuardedDivideTest : public test_support::X87Test {};

// A normal divisor in [1, 2) whose fraction begins with the seven given bits.
long double DivisorWithLeadingBits(unsigned bits) {
  return 1.0L + bits / 128.0L + 1.0L / 4096;
}

TEST_F(GuardedDivideTest, FirstUseStoresASoundVerdict) {
  divider::gVerdict = divider::kUntested;
  EXPECT_EQ(GuardedDivide(1.0L, 4.0L), 0.25L);
  EXPECT_EQ(divider::gVerdict, divider::kSound);
  EXPECT_TRUE(divider::DividerIsSound());
}

TEST_F(GuardedDivideTest, DividesAtFullExtendedPrecision) {
  // 1/3 to 64 bits is not 1/3 to 53 bits: the division was not done in double.
  long double third = GuardedDivide(1.0L, 3.0L);
  EXPECT_NE(third, static_cast<long double>(1.0 / 3.0));
  EXPECT_EQ(third * 3.0L, 1.0L);
  EXPECT_EQ(GuardedDivide(7.0L, 2.0L), 3.5L);  // operands in the right order
}

TEST_F(GuardedDivideTest, RecognisesTheRiskyDivisorPatterns) {
  for (unsigned bits : {0x0Fu, 0x27u, 0x3Fu, 0x57u, 0x6Fu})
    EXPECT_TRUE(divider::IsRiskyDivisor(DivisorWithLeadingBits(bits))) << bits;
  for (unsigned bits : {0x0Eu, 0x10u, 0x26u, 0x40u, 0x7Fu, 0x00u})
    EXPECT_FALSE(divider::IsRiskyDivisor(DivisorWithLeadingBits(bits))) << bits;
  // Neither are zero, infinities and denormals.
  EXPECT_FALSE(divider::IsRiskyDivisor(0.0L));
  EXPECT_FALSE(divider::IsRiskyDivisor(static_cast<long double>(INFINITY)));
  long double denormal = std::ldexp(DivisorWithLeadingBits(0x0F), -16400);
  EXPECT_FALSE(divider::IsRiskyDivisor(denormal));
}

TEST_F(GuardedDivideTest, AStoredFlawedVerdictScalesRiskyDivisionsButKeepsTheQuotient) {
  long double divisor = DivisorWithLeadingBits(0x3F);
  long double dividend = 1000.0L / 3;  // a quotient that scaling changes in its last bit
  divider::gVerdict = divider::kFlawed;
  long double scaled = GuardedDivide(dividend, divisor);
  long double third = GuardedDivide(1.0L, 3.0L);
  divider::gVerdict = divider::kSound;
  long double plain = x87::Divide(dividend, divisor);
  EXPECT_EQ(scaled, x87::Divide(dividend * 0.9375L, divisor * 0.9375L));
  EXPECT_NE(scaled, plain);
  EXPECT_LE(std::fabs(scaled - plain), std::ldexp(plain, -62));
  // A plain divisor is divided without scaling.
  EXPECT_EQ(third, x87::Divide(1.0L, 3.0L));
  EXPECT_EQ(GuardedDivide(6.0L, 3.0L), 2.0L);
}

}  // namespace
}  // namespace zaveredo
