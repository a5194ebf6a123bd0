#include "x87/extended_bits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zaveredo::x87 {
namespace {

TEST(ExtendedBitsTest, NamesTheFieldsOfStoredValues) {
  auto one = ExtendedBits::Of(1.0L);
  EXPECT_EQ(one.Significand(), ExtendedBits::kIntegerBit);
  EXPECT_EQ(one.BiasedExponent(), 16383);
  EXPECT_FALSE(one.Sign());

  auto minusThreeQuarters = ExtendedBits::Of(-0.75L);
  EXPECT_EQ(minusThreeQuarters.Significand(), 0xC000000000000000u);
  EXPECT_EQ(minusThreeQuarters.BiasedExponent(), 16382);
  EXPECT_TRUE(minusThreeQuarters.Sign());

  EXPECT_TRUE(ExtendedBits::Of(-0.0L).Sign());
  EXPECT_EQ(ExtendedBits::Of(-0.0L).BiasedExponent(), 0);
  EXPECT_EQ(ExtendedBits::Of(-INFINITY).BiasedExponent(), ExtendedBits::kSpecialExponent);
  // The smallest denormal: exponent 0, significand 1.
  auto tiny = ExtendedBits::Of(std::ldexp(1.0L, -16445));
  EXPECT_EQ(tiny.BiasedExponent(), 0);
  EXPECT_EQ(tiny.Significand(), 1u);
}

TEST(ExtendedBitsTest, ReadsTheBytesAsTheUnitStoresThem) {
  // pi nearest in extended, lowest address first.
  ExtendedBits pi{{0x35, 0xC2, 0x68, 0x21, 0xA2, 0xDA, 0x0F, 0xC9, 0x00, 0x40}};
  EXPECT_EQ(pi.Significand(), 0xC90FDAA22168C235u);
  EXPECT_EQ(pi.BiasedExponent(), 0x4000);
  EXPECT_FALSE(pi.Sign());
}

}  // namespace
}  // namespace zaveredo::x87
