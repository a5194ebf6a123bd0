#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/posix/codepage_convert.h"

namespace zaveredo::platform {
namespace {

using posix::AnsiCodePage;

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

// A fixed pseudo-random byte string, so the round trips meet many malformed sequences.
std::string NoiseBytes(std::size_t count) {
  std::string bytes;
  std::uint32_t state = 12345;
  for (std::size_t i = 0; i < count; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 24);
  }
  return bytes;
}

TEST(Windows1252Test, UmlautsAndTheEuroSign) {
  EXPECT_EQ(posix::Windows1252ToWide("K\xFCrzel \xE4\x80"), u"K\u00FCrzel \u00E4\u20AC");
  EXPECT_EQ(posix::WideToWindows1252(u"K\u00FCrzel \u00E4\u20AC\u0178"), "K\xFCrzel \xE4\x80\x9F");
}

TEST(Windows1252Test, EveryByteSurvivesTheRoundTripAsOneUnit) {
  std::u16string wide = posix::Windows1252ToWide(AllBytes());
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[0x81], u'\u0081');  // unassigned: stands for itself
  EXPECT_EQ(wide[0x9D], u'\u009D');
  EXPECT_EQ(posix::WideToWindows1252(wide), AllBytes());
}

TEST(Windows1252Test, MissingCharactersBecomeOneQuestionMarkEach) {
  EXPECT_EQ(posix::WideToWindows1252(u"a\u4E2D\U0001F600\u0080b"), "a???b");
}

TEST(Utf8Test, DecodesOneToFourByteSequences) {
  EXPECT_EQ(posix::Utf8ToWide("A\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80"), u"A\u00FC\u20AC\U0001F600");
  EXPECT_EQ(posix::WideToUtf8(u"A\u00FC\u20AC\U0001F600"), "A\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(Utf8Test, MalformedBytesBecomeOneUnitEachAndComeBackUnchanged) {
  const std::string cases[] = {
      "\xFF",              // never a lead byte
      "\x80",              // continuation without lead
      "\xE2\x82",          // cut short
      "\xC0\xAF",          // overlong
      "\xED\xA0\x80",      // an encoded surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
  };
  for (const std::string& bytes : cases) {
    std::u16string wide = posix::Utf8ToWide(bytes);
    EXPECT_EQ(wide.size(), bytes.size()) << bytes;
    EXPECT_EQ(posix::WideToUtf8(wide), bytes);
  }
  EXPECT_EQ(posix::Utf8ToWide("a\xFF"
                              "b"),
            std::u16string({u'a', 0xDCFF, u'b'}));
}

TEST(Utf8Test, AnyBytesSurviveTheRoundTrip) {
  EXPECT_EQ(posix::WideToUtf8(posix::Utf8ToWide(AllBytes())), AllBytes());
  std::string noise = NoiseBytes(5000);
  EXPECT_EQ(posix::WideToUtf8(posix::Utf8ToWide(noise)), noise);
}

TEST(Utf8Test, LoneSurrogatesThatAreNoEscapedByteBecomeTheReplacementCharacter) {
  EXPECT_EQ(posix::WideToUtf8(std::u16string({u'x', 0xD800, u'y', 0xDC10})),
            "x\xEF\xBF\xBDy\xEF\xBF\xBD");
}

TEST(LocaleCodesetTest, OnlyAUtf8LocaleSelectsUtf8) {
  EXPECT_FALSE(posix::LocaleIsUtf8("C"));
  EXPECT_FALSE(posix::LocaleIsUtf8("no_SUCH.locale"));
  EXPECT_TRUE(posix::LocaleIsUtf8("C.UTF-8"));
}

class CodePageTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = posix::CurrentAnsiCodePage(); }
  void TearDown() override { posix::OverrideAnsiCodePage(saved_); }
  AnsiCodePage saved_{};
};

TEST_F(CodePageTest, ProgramTextsGetTheUmlautByteOutsideAUtf8Locale) {
  posix::OverrideAnsiCodePage(AnsiCodePage::kWindows1252);
  EXPECT_EQ(Utf8ToAnsi("Ihr K\xC3\xBCrzel"), "Ihr K\xFCrzel");
  EXPECT_EQ(AnsiToWide("\xFC"), u"\u00FC");
  EXPECT_EQ(WideToAnsi(u"\u00FC"), "\xFC");
}

TEST(CodePageChoiceTest, CLocaleMeansWindows1252) {
  const char* all = std::getenv("LC_ALL");
  if (all == nullptr || std::string(all) != "C") GTEST_SKIP() << "needs LC_ALL=C";
  EXPECT_EQ(posix::CurrentAnsiCodePage(), AnsiCodePage::kWindows1252);
  EXPECT_EQ(Utf8ToAnsi("K\xC3\xBCrzel"), "K\xFCrzel");
}

TEST(OemTest, ReportTextIsUnchanged) {
  char text[] =
      "Bereichspr\xFC"
      "fung.";
  AnsiToOemInPlace(text);
  EXPECT_STREQ(text,
               "Bereichspr\xFC"
               "fung.");
}

}  // namespace
}  // namespace zaveredo::platform
