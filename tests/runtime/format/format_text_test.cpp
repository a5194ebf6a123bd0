#include "runtime/format/format_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace zaveredo {
namespace {

TEST(IntegerToTextTest, SmallValuesAndTheLimits) {
  EXPECT_EQ(IntegerToText(0), "0");
  EXPECT_EQ(IntegerToText(4), "4");
  EXPECT_EQ(IntegerToText(-1), "-1");
  EXPECT_EQ(IntegerToText(10), "10");
  EXPECT_EQ(IntegerToText(-1000000), "-1000000");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

// Reading the text back digit by digit must give the value: no separators, no padding.
TEST(IntegerToTextTest, TextReadsBackAsTheValue) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 10000; ++trial) {
    auto value = static_cast<std::int32_t>(random());
    std::string text = IntegerToText(value);
    ASSERT_FALSE(text.empty());
    bool negative = text[0] == '-';
    ASSERT_EQ(negative, value < 0) << text;
    std::size_t first = negative ? 1 : 0;
    ASSERT_LT(first, text.size());
    ASSERT_TRUE(text[first] != '0' || text.size() == first + 1) << text;
    std::int64_t read = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
      ASSERT_TRUE(text[i] >= '0' && text[i] <= '9') << text;
      read = read * 10 + (text[i] - '0');
    }
    ASSERT_EQ(negative ? -read : read, value) << text;
  }
}

}  // namespace
}  // namespace zaveredo
