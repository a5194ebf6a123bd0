// Code-page conversions with the system's tables. The suite runs with LC_ALL=C: the ANSI code
// page is 1252 and the OEM code page 437.
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

class Win32CodePage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::GetACP() != 1252 || ::GetOEMCP() != 437) {
      GTEST_SKIP() << "needs ANSI code page 1252 and OEM 437, got " << ::GetACP() << "/"
                   << ::GetOEMCP();
    }
  }
};

TEST_F(Win32CodePage, ProgramTextsBecomeSingleWindows1252Bytes) {
  EXPECT_EQ(Utf8ToAnsi("Ihr K\xC3\xBCrzel"), "Ihr K\xFCrzel");
  EXPECT_EQ(Utf8ToAnsi("Aufw\xC3\xA4rmen \xE2\x82\xAC"), "Aufw\xE4rmen \x80");
  EXPECT_EQ(Utf8ToAnsi(""), "");
  // A character the code page lacks is replaced, not dropped.
  EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\x80z").size(), 3u);
}

TEST_F(Win32CodePage, AnsiAndUtf16RoundTrip) {
  std::string ansi = "\xFC\xE4\x80 ABC";
  std::u16string wide = AnsiToWide(ansi);
  EXPECT_EQ(wide, u"\u00FC\u00E4\u20AC ABC");
  EXPECT_EQ(WideToAnsi(wide), ansi);
  EXPECT_EQ(AnsiToWide(""), u"");
  EXPECT_EQ(WideToAnsi(u""), "");
  std::string withNul("a\0b", 3);
  EXPECT_EQ(AnsiToWide(withNul), std::u16string(u"a\0b", 3));
}

std::string Oem(std::string text) {
  AnsiToOemInPlace(text.data());
  return text;
}

TEST_F(Win32CodePage, TheErrorReportGoesToTheOemCodePage) {
  // ü is 0x81 and ä 0x84 in code page 437; ASCII stays.
  EXPECT_EQ(Oem("Fehler bei Bereichspr\xFC"
                "fung."),
            "Fehler bei Bereichspr\x81"
            "fung.");
  EXPECT_EQ(Oem("Gleitkomma\xFC"
                "berlauf \xE4\r\n"),
            "Gleitkomma\x81"
            "berlauf \x84\r\n");
  EXPECT_EQ(Oem(""), "");
  std::string withNul("\xFC\0\xFC", 3);
  EXPECT_EQ(Oem(withNul).size(), 3u);
  EXPECT_EQ(Oem(withNul)[0], '\x81');
}

}  // namespace
}  // namespace zaveredo::platform
