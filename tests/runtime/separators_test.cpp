#include "runtime/separators.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <cstring>
#include <string>

#include "platform/locale.h"
#include "runtime/format_decimal.h"

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

// The start-up separators come from the environment's locale and reach the formatting.
class StartupSeparatorsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    setenv("LC_ALL", "C", 1);
    ReadSeparators();
  }
  static bool Installed(const char* name) {
    locale_t locale = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
    if (locale != static_cast<locale_t>(0)) freelocale(locale);
    return locale != static_cast<locale_t>(0);
  }
};

TEST_F(StartupSeparatorsTest, TheCLocaleWritesNoThousandsSeparator) {
  setenv("LC_ALL", "C", 1);
  ReadSeparators();
  EXPECT_EQ(StartupSeparators().decimal, '.');
  EXPECT_EQ(StartupSeparators().thousands, '\0');
  EXPECT_EQ(FormatDecimal(1234567.25L, kStyleNumber, 9, 4), "1234567.2500");
}

TEST_F(StartupSeparatorsTest, AGermanLocaleGroupsWithPoints) {
  if (!Installed("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed here";
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  ReadSeparators();
  EXPECT_EQ(FormatDecimal(1234567.25L, kStyleNumber, 9, 4), "1.234.567,2500");
}

}  // namespace
}  // namespace zaveredo
