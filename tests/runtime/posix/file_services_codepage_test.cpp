// LeftChars under both code pages of the POSIX backend.
#include <gtest/gtest.h>

#include "platform/posix/codepage_convert.h"
#include "runtime/format/left_chars.h"
#include "runtime/text/file_services.h"

namespace zaveredo {
namespace {

using platform::posix::AnsiCodePage;

class LeftCharsCodePageTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = platform::posix::CurrentAnsiCodePage(); }
  void TearDown() override { platform::posix::OverrideAnsiCodePage(saved_); }
  AnsiCodePage saved_{};
};

TEST_F(LeftCharsCodePageTest, Utf8CountsCharactersNotBytes) {
  platform::posix::OverrideAnsiCodePage(AnsiCodePage::kUtf8);
  EXPECT_EQ(LeftChars("K\xC3\xBCrzel", 2), "K\xC3\xBC");
  EXPECT_EQ(LeftChars("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 2), "\xE2\x82\xAC\xE2\x82\xAC");
}

TEST_F(LeftCharsCodePageTest, Utf8NeverSplitsACharacterOutsideTheBasicPlane) {
  platform::posix::OverrideAnsiCodePage(AnsiCodePage::kUtf8);
  const char* text =
      "a\xF0\x9F\x98\x80"
      "b";
  EXPECT_EQ(LeftChars(text, 2), "a");
  EXPECT_EQ(LeftChars(text, 3), "a\xF0\x9F\x98\x80");
}

TEST_F(LeftCharsCodePageTest, Utf8InvalidBytesCountOneEachAndPassUnchanged) {
  platform::posix::OverrideAnsiCodePage(AnsiCodePage::kUtf8);
  EXPECT_EQ(LeftChars("\xFF\xFE"
                      "abc",
                      2),
            "\xFF\xFE");
  EXPECT_EQ(LeftChars("ab\xC3"
                      "cdefghij",
                      4),
            "ab\xC3"
            "c");
  EXPECT_EQ(LeftChars("\xE2\x82", 8), "\xE2\x82");
}

TEST_F(LeftCharsCodePageTest, Windows1252IsTheFirstBytes) {
  platform::posix::OverrideAnsiCodePage(AnsiCodePage::kWindows1252);
  EXPECT_EQ(LeftChars("K\xFCrzel\x81\x80", 2), "K\xFC");
  EXPECT_EQ(LeftChars("\x81\x9D\x80xyz", 3), "\x81\x9D\x80");
}

}  // namespace
}  // namespace zaveredo
