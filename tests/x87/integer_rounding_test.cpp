#include "x87/integer_rounding.h"

#include <gtest/gtest.h>

#include "tests/x87/x87_test.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

class Int64ConversionsTest : public test_support::X87Test {};

TEST_F(Int64ConversionsTest, RoundingTiesGoToEven) {
  EXPECT_EQ(RoundToInt64(0.5L), 0);
  EXPECT_EQ(RoundToInt64(1.5L), 2);
  EXPECT_EQ(RoundToInt64(2.5L), 2);
  EXPECT_EQ(RoundToInt64(3.5L), 4);
  EXPECT_EQ(RoundToInt64(-2.5L), -2);
  EXPECT_EQ(RoundToInt64(-1.5L), -2);
  EXPECT_EQ(RoundToInt64(2.4999L), 2);
  // The full 64-bit range comes through exactly.
  EXPECT_EQ(RoundToInt64(-9223372036854775807.0L - 1.0L), INT64_MIN);
  EXPECT_EQ(RoundToInt64(9223372036854775807.0L), INT64_MAX);
}

TEST_F(Int64ConversionsTest, TruncationGoesTowardZero) {
  EXPECT_EQ(TruncToInt64(-1.9L), -1);
  EXPECT_EQ(TruncToInt64(1.9L), 1);
  EXPECT_EQ(TruncToInt64(2147483647.999L), 2147483647);
  EXPECT_EQ(TruncToInt64(-0.5L), 0);
}

TEST_F(Int64ConversionsTest, TruncationLeavesTheControlWordAsItWas) {
  TruncToInt64(-1.9L);
  EXPECT_EQ(x87::ControlWordInForce(), x87::kRunControlWord);
  // A different word in force stays in force too, and rounding is still toward zero.
  x87::SetControlWord(x87::ControlWord(0x1732));  // rounding toward minus infinity
  EXPECT_EQ(TruncToInt64(-1.9L), -1);
  EXPECT_EQ(x87::ControlWordInForce(), x87::ControlWord(0x1732));
  EXPECT_EQ(RoundToInt64(-1.1L), -2);
}

}  // namespace
}  // namespace zaveredo
