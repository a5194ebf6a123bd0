// The start-up separators come from the environment's locale and reach the formatting.
#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <string>

#include "runtime/format/format_decimal.h"
#include "runtime/format/separators.h"

namespace zaveredo {
namespace {

class StartupSeparatorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = getenv("LC_ALL");
    hadValue_ = old != nullptr;
    if (hadValue_) saved_ = old;
  }
  void TearDown() override {
    if (hadValue_) {
      setenv("LC_ALL", saved_.c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
    ReadSeparators();
  }
  static bool Installed(const char* name) {
    locale_t locale = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
    if (locale != static_cast<locale_t>(0)) freelocale(locale);
    return locale != static_cast<locale_t>(0);
  }

 private:
  bool hadValue_ = false;
  std::string saved_;
};

TEST_F(StartupSeparatorsTest, TheCLocaleWritesNoThousandsSeparator) {
  setenv("LC_ALL", "C", 1);
  ReadSeparators();
  EXPECT_EQ(StartupSeparators().decimal, '.');
  EXPECT_EQ(StartupSeparators().thousands, '\0');
  EXPECT_EQ(FormatDecimal(1234567.25L, DecimalStyle::kNumber, 9, 4, StartupSeparators()),
            "1234567.2500");
}

TEST_F(StartupSeparatorsTest, AGermanLocaleGroupsWithPoints) {
  if (!Installed("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed here";
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  ReadSeparators();
  EXPECT_EQ(FormatDecimal(1234567.25L, DecimalStyle::kNumber, 9, 4, StartupSeparators()),
            "1.234.567,2500");
}

}  // namespace
}  // namespace zaveredo
