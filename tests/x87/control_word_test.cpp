#include "x87/control_word.h"

#include <gtest/gtest.h>

#include "tests/x87/x87_test.h"
#include "x87/instructions.h"

namespace zaveredo::x87 {
namespace {

class ControlWordTest : public test_support::X87Test {};

std::uint16_t InForce() {
  return ControlWordInForce().Bits() & ~0x0040;  // bit 6 is reserved and reads back as 1
}

TEST_F(ControlWordTest, NamesTheFieldsOfTheRunsWord) {
  ControlWord run = kRunControlWord;
  EXPECT_EQ(run.Bits() >> 8 & 3, 3);   // precision: 64-bit significand
  EXPECT_EQ(run.Bits() >> 10 & 3, 0);  // rounding: to nearest
  // Masked (set): denormal 0x02, underflow 0x10, inexact 0x20. Unmasked, so they trap: invalid
  // 0x01, division by zero 0x04, overflow 0x08.
  EXPECT_EQ(run.Bits() & 0x3F, 0x32);
  // Changing one field leaves every other bit as it was.
  EXPECT_EQ(run.With(Rounding::kTowardZero).Bits(), 0x1F32);
  EXPECT_EQ(run.With(Precision::kDouble).Bits(), 0x1232);
  EXPECT_EQ(ControlWord(0x1F32).With(Rounding::kDown).Bits(), 0x1732);
}

TEST_F(ControlWordTest, ScopeRoundsInsideAndRestoresTheWordAfter) {
  {
    ControlWordScope towardZero(Rounding::kTowardZero, Precision::kExtended);
    EXPECT_EQ(InForce(), 0x1F32);
    EXPECT_EQ(RoundToInteger(-2.5L), -2.0L);
  }
  EXPECT_EQ(InForce(), kRunControlWord.Bits());
  EXPECT_EQ(RoundToInteger(-2.5L), -2.0L);  // ties to even
  EXPECT_EQ(RoundToInteger(-3.5L), -4.0L);
  // Precision changes too when asked, from any word in force, and comes back.
  SetControlWord(ControlWord(0x1732));
  {
    ControlWordScope nearest(Rounding::kNearest, Precision::kExtended);
    EXPECT_EQ(InForce(), 0x1332);
  }
  EXPECT_EQ(InForce(), 0x1732);
}

}  // namespace
}  // namespace zaveredo::x87
