#include "runtime/format/separators.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/locale.h"

namespace zaveredo {
namespace {

// A locale query answering as GetLocaleInfoA would for the given separator texts.
std::string decimalText, thousandsText;
int requestedSize = 0;

int Answer(const std::string& value, char* buffer, int size) {
  requestedSize = size;
  int needed = static_cast<int>(value.size()) + 1;
  if (needed > size) return 0;
  std::memcpy(buffer, value.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

int FakeLocale(std::uint32_t type, char* buffer, int size) {
  if (type == platform::kLocaleSDecimal) return Answer(decimalText, buffer, size);
  if (type == platform::kLocaleSThousand) return Answer(thousandsText, buffer, size);
  return 0;
}

int FailingLocale(std::uint32_t, char*, int) {
  return 0;
}

Separators With(const std::string& decimal, const std::string& thousands) {
  decimalText = decimal;
  thousandsText = thousands;
  return SeparatorsFrom(FakeLocale);
}

TEST(SeparatorsTest, SingleByteSeparatorsAreTaken) {
  Separators german = With(",", ".");
  EXPECT_EQ(german.decimal, ',');
  EXPECT_EQ(german.thousands, '.');
  EXPECT_EQ(requestedSize, 2);
  Separators swiss = With(".", "'");
  EXPECT_EQ(swiss.decimal, '.');
  EXPECT_EQ(swiss.thousands, '\'');
}

TEST(SeparatorsTest, AnEmptySeparatorIsNul) {
  Separators c = With(".", "");
  EXPECT_EQ(c.decimal, '.');
  EXPECT_EQ(c.thousands, '\0');
}

TEST(SeparatorsTest, LongerSeparatorsAndFailuresFallBack) {
  Separators wide = With("\xE2\x80\xA4", "\xE2\x80\xAF");  // multi-byte characters
  EXPECT_EQ(wide.decimal, '.');
  EXPECT_EQ(wide.thousands, ',');
  Separators twoChars = With(",,", "..");
  EXPECT_EQ(twoChars.decimal, '.');
  EXPECT_EQ(twoChars.thousands, ',');
  Separators failed = SeparatorsFrom(FailingLocale);
  EXPECT_EQ(failed.decimal, '.');
  EXPECT_EQ(failed.thousands, ',');
}

// A decimal comma beside a grouping that cannot be had as one plain byte (a narrow no-break
// space in UTF-8, a no-break space in Windows-1252), or beside a comma for grouping: 1.553,0702,
// never 1,553,0702.
TEST(SeparatorsTest, TheGroupingIsNeverTheDecimalSeparator) {
  for (const char* thousands : {"\xE2\x80\xAF", "\xA0", ","}) {
    Separators french = With(",", thousands);
    EXPECT_EQ(french.decimal, ',');
    EXPECT_EQ(french.thousands, '.');
  }
  Separators pointTwice = With(".", ".");
  EXPECT_EQ(pointTwice.thousands, ',');
  Separators wideDecimal = With("\xD9\xAB", ".");  // falls back to "." for the decimal
  EXPECT_EQ(wideDecimal.decimal, '.');
  EXPECT_EQ(wideDecimal.thousands, ',');
  Separators noGrouping = With(",", "");
  EXPECT_EQ(noGrouping.thousands, '\0');
}

}  // namespace
}  // namespace zaveredo
