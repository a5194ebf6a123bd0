#include "driver/texts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"

namespace zaveredo {
namespace {

// The texts are in the ANSI code page, which follows the locale on Linux (Windows-1252 under
// LC_ALL=C, UTF-8 under C.UTF-8), so they are read back through it. Characters are counted as
// the program counts them, in UTF-16 units.
std::u16string Read(TextId id) {
  return platform::AnsiToWide(DriverText(id));
}

TEST(TextsTest, UmlautsAreHeldInTheAnsiCodePage) {
  EXPECT_EQ(Read(TextId::kInitialsPrompt), u"Ihr K\u00FCrzel (max 8 Zeichen) : ");
  EXPECT_EQ(Read(TextId::kWarmUpNotice), u"Zum Aufw\u00E4rmen und Speicher freir\u00E4umen 1x");
}

TEST(TextsTest, DescriptionLabelsLineUpTheirColonsInColumnTwentyEight) {
  for (TextId id : {TextId::kVendorLabel, TextId::kNameLabel, TextId::kClockRateLabel,
                    TextId::kCountLabel, TextId::kSystemLabel, TextId::kInitialsPrompt}) {
    std::u16string label = Read(id);
    ASSERT_EQ(label.size(), 29u) << DriverText(id);
    EXPECT_EQ(label.substr(27), u": ") << DriverText(id);
  }
}

TEST(TextsTest, MailNoticeNamesAnAddressOfOurs) {
  const std::string& notice = DriverText(TextId::kMailNotice);
  const std::string head = "Zur statistischen Auswertung bitte an ";
  const std::string tail = " mailen. Danke!";
  ASSERT_TRUE(notice.starts_with(head)) << notice;
  ASSERT_TRUE(notice.ends_with(tail)) << notice;
  std::string address = notice.substr(head.size(), notice.size() - head.size() - tail.size());
  EXPECT_NE(address.find('@'), std::string::npos);
  EXPECT_TRUE(address.ends_with("example.org")) << address;
  EXPECT_EQ(address.find(' '), std::string::npos) << address;
}

}  // namespace
}  // namespace zaveredo
