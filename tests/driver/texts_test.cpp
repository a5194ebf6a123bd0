#include "driver/texts.h"

#include <gtest/gtest.h>

#include <string>

namespace zaveredo {
namespace {

// The tests run under LC_ALL=C, whose ANSI code page is Windows-1252.
TEST(TextsTest, UmlautsBecomeSingleWindows1252Bytes) {
  const std::string& prompt = DriverText(TextId::kInitialsPrompt);
  EXPECT_EQ(prompt, "Ihr K\xFCrzel (max 8 Zeichen) : ");
  EXPECT_EQ(prompt.size(), 29u);
  EXPECT_EQ(DriverText(TextId::kWarmUpNotice), "Zum Aufw\xE4rmen und Speicher freir\xE4umen 1x");
}

TEST(TextsTest, DescriptionLabelsLineUpTheirColonsInColumnTwentyEight) {
  for (TextId id : {TextId::kVendorLabel, TextId::kNameLabel, TextId::kClockRateLabel,
                    TextId::kCountLabel, TextId::kSystemLabel, TextId::kInitialsPrompt}) {
    const std::string& label = DriverText(id);
    ASSERT_EQ(label.size(), 29u) << label;
    EXPECT_EQ(label.substr(27), ": ") << label;
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
