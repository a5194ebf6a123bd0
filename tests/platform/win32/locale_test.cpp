// Separators of the thread's locale, through the caller's buffer.
#include "platform/locale.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

class Win32Locale : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = ::GetThreadLocale(); }
  void TearDown() override { ::SetThreadLocale(saved_); }
  LCID saved_ = 0;
};

TEST_F(Win32Locale, FollowsTheThreadsLocale) {
  char buffer[2] = {'?', '?'};
  ASSERT_TRUE(::SetThreadLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT)));
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[0], ',');
  EXPECT_EQ(buffer[1], '\0');
  EXPECT_EQ(GetLocaleInfo(kLocaleSThousand, buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[0], '.');

  ASSERT_TRUE(
      ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)));
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[0], '.');
  EXPECT_EQ(GetLocaleInfo(kLocaleSThousand, buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[0], ',');
}

TEST_F(Win32Locale, AValueThatDoesNotFitTheBufferGivesZero) {
  ASSERT_TRUE(
      ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)));
  char one[1] = {'?'};
  EXPECT_EQ(GetLocaleInfo(kLocaleSDecimal, one, sizeof one), 0);
  // LOCALE_SGROUPING, "3;0", is longer than the separators' two bytes.
  char two[2];
  EXPECT_EQ(GetLocaleInfo(0x10, two, sizeof two), 0);
  char wide[8];
  EXPECT_EQ(GetLocaleInfo(0x10, wide, sizeof wide), 4);
  EXPECT_STREQ(wide, "3;0");
}

}  // namespace
}  // namespace zaveredo::platform
