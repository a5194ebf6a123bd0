// Time fields, whole numbers, record lines and the two character sets.
#include <gtest/gtest.h>

#include "auswertung/read/record_lines.h"
#include "auswertung/read/text_decoding.h"
#include "auswertung/read/time_field.h"

namespace zaveredo::auswertung {
namespace {

long long Ticks(std::string_view text) {
  const auto field = ParseTimeField(text);
  return field ? field->tenThousandths : -1;
}

TEST(TimeFieldTest, TheSeparatorBeforeTheLastFourDigitsDecidesTheConvention) {
  EXPECT_EQ(Ticks("0,0669"), 669);
  EXPECT_EQ(Ticks("0.0669"), 669);
  EXPECT_EQ(ParseTimeField("0,0669")->separators, Separators::kGerman);
  EXPECT_EQ(ParseTimeField("0.0669")->separators, Separators::kEnglish);
  EXPECT_EQ(Ticks("0,0000"), 0);
  EXPECT_EQ(Ticks("1.234,5678"), 12345678);
  EXPECT_EQ(Ticks("1,234.5678"), 12345678);
  EXPECT_EQ(Ticks("1234,5678"), 12345678);
  EXPECT_EQ(Ticks("12.345.678,0001"), 123456780001);
  EXPECT_EQ(ParseTimeField("1.234,5678")->Seconds(), 1234.5678);
}

TEST(TimeFieldTest, OtherShapesAreNoTimes) {
  for (const char* text :
       {"", "0,066", "0,06690", "1,2345.", ".1234", "1.23,4567", "1.2345,6789", "1,234,5678",
        "12.34,5678", "-1,0000", "1 234,5678", "1,23a4", "AHX", "1.234.5678"}) {
    EXPECT_FALSE(ParseTimeField(text).has_value()) << text;
  }
}

TEST(TimeFieldTest, WholeNumbersHaveDigitsOnly) {
  EXPECT_EQ(ParseWholeNumber("2993"), 2993);
  EXPECT_EQ(ParseWholeNumber("0"), 0);
  EXPECT_FALSE(ParseWholeNumber(""));
  EXPECT_FALSE(ParseWholeNumber("2.993"));
  EXPECT_FALSE(ParseWholeNumber("-2"));
  EXPECT_FALSE(ParseWholeNumber("1234567890123456"));
}

TEST(RecordLinesTest, LineBreaksEmptyRecordsAndByte26) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitRecordLines("\r\na;\r\nb;"), (Lines{"a;", "b;"}));
  EXPECT_EQ(SplitRecordLines("a;\nb;\r\n\r\n\nc;"), (Lines{"a;", "b;", "c;"}));
  EXPECT_EQ(SplitRecordLines("a;\r\nb;\x1A\r\nc;"), (Lines{"a;", "b;"}));
  EXPECT_EQ(SplitRecordLines("\x1A"
                             "a;"),
            Lines{});
  EXPECT_EQ(SplitRecordLines(""), Lines{});
}

TEST(TextDecodingTest, ValidUtf8StaysAndEverythingElseIsWindows1252) {
  EXPECT_EQ(DecodeRecordText("J\xC3\xB6rg"), "J\xC3\xB6rg");
  EXPECT_EQ(DecodeRecordText("J\xF6rg"), "J\xC3\xB6rg");
  EXPECT_EQ(DecodeRecordText("\x80\x9F\x81"), "\xE2\x82\xAC\xC5\xB8\xC2\x81");
  // Overlong forms and surrogates are not valid UTF-8.
  EXPECT_EQ(DecodeRecordText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(DecodeRecordText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
  EXPECT_EQ(DecodeRecordText("\xC3"), "\xC3\x83");
  EXPECT_EQ(CharacterCount("J\xC3\xB6rg\xE2\x82\xAC"), 5u);
}

}  // namespace
}  // namespace zaveredo::auswertung
