#include "platform/locale.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <cstring>
#include <optional>
#include <string>

namespace zaveredo::platform {
namespace {

// Sets LC_ALL for one test and puts the old value back.
class LocaleTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (saved_) {
      setenv("LC_ALL", saved_->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }
  void UseLocale(const char* name) {
    if (!saved_ && !unset_) {
      const char* old = getenv("LC_ALL");
      if (old != nullptr) saved_ = old;
      unset_ = old == nullptr;
    }
    setenv("LC_ALL", name, 1);
  }
  static bool Installed(const char* name) {
    locale_t locale = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return false;
    freelocale(locale);
    return true;
  }

 private:
  std::optional<std::string> saved_;
  bool unset_ = false;
};

TEST_F(LocaleTest, TheCLocaleHasAPointAndNoThousandsSeparator) {
  UseLocale("C");
  char buffer[2] = {'x', 'x'};
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, buffer, 2), 2);
  EXPECT_EQ(buffer[0], '.');
  EXPECT_EQ(buffer[1], '\0');
  EXPECT_EQ(GetLocaleInfo(kLocaleSThousand, buffer, 2), 1);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(GetLocaleInfo(kLocaleSGrouping, buffer, 2), 1);  // no grouping
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(LocaleTest, AValueThatDoesNotFitGivesZero) {
  UseLocale("C");
  char buffer[1] = {'x'};
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, buffer, 1), 0);
  EXPECT_EQ(GetLocaleInfo(kLocaleSThousand, buffer, 0), 0);
  EXPECT_EQ(GetLocaleInfo(999, buffer, 1), 0);  // not a separator query
}

TEST_F(LocaleTest, AnUnknownLocaleLeavesTheCLocale) {
  UseLocale("xx_NOWHERE.UTF-8");
  char buffer[2] = {'x', 'x'};
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, buffer, 2), 2);
  EXPECT_EQ(buffer[0], '.');
}

TEST_F(LocaleTest, AGermanLocaleHasACommaAndAPoint) {
  if (!Installed("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed here";
  UseLocale("de_DE.UTF-8");
  char buffer[2] = {};
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, buffer, 2), 2);
  EXPECT_EQ(buffer[0], ',');
  EXPECT_EQ(GetLocaleInfo(kLocaleSThousand, buffer, 2), 2);
  EXPECT_EQ(buffer[0], '.');
  char grouping[8] = {};
  EXPECT_EQ(GetLocaleInfo(kLocaleSGrouping, grouping, sizeof grouping), 4);
  EXPECT_STREQ(grouping, "3;3");
  // The process's own locale stays as it was.
  EXPECT_STREQ(localeconv()->decimal_point, ".");
}

}  // namespace
}  // namespace zaveredo::platform
