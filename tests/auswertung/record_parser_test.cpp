// Records as runs leave them: complete, cut short, with ";" inside a text, or not ours.
#include "auswertung/read/record_parser.h"

#include <gtest/gtest.h>

#include "auswertung/model/collection.h"
#include "auswertung/model/machine_key.h"
#include "auswertung/read/record_lines.h"
#include "tests/auswertung/fixture.h"

namespace zaveredo::auswertung {
namespace {

using test_support::FileBytes;
using test_support::TestPath;

const std::string kDescription =
    "GenuineIntel;Intel(R) Pentium(R) 4 CPU 3.00GHz/x86 Family 15 Model 4 Stepping 3;2993;2;"
    "Windows XP Service Pack 2;";

// 32 times 0,0001 to 0,0032 with German separators.
std::string Times(const char* decimal = ",") {
  std::string text;
  for (int i = 1; i <= 32; ++i)
    text += std::string("0") + decimal + (i < 10 ? "000" : "00") + std::to_string(i) + ";";
  return text;
}

TEST(RecordParserTest, RealRecordsOfBothBuildsAndLocales) {
  Collection collection;
  for (const char* name : {"linux-c-locale.txt", "linux-de-utf8.txt", "wine-xp-cp1252.txt"}) {
    AddFileRecords(collection, name, FileBytes(TestPath(std::string("data/real/") + name)));
  }
  ASSERT_TRUE(collection.errors.empty());
  ASSERT_EQ(collection.records.size(), 4u);
  for (const Record& record : collection.records) {
    EXPECT_EQ(record.state, RecordState::kComplete) << record.number;
    EXPECT_EQ(record.times.size(), 32u);
    EXPECT_EQ(record.description->vendor, "AuthenticAMD");
    EXPECT_EQ(record.description->processors, 2);
    EXPECT_TRUE(record.notes.empty());
  }
  EXPECT_EQ(collection.records[0].description->initials, "HK");
  EXPECT_EQ(collection.records[0].times[3], 6.53);
  EXPECT_EQ(collection.records[1].description->mhz, 2598);
  EXPECT_EQ(collection.records[2].description->initials, "J\xC3\xB6rg");
  EXPECT_EQ(collection.records[2].times[31], 1.1742);
  EXPECT_EQ(collection.records[3].description->os, "Windows XP Service Pack 3");
  EXPECT_EQ(collection.records[3].times[3], 10.0113);
}

TEST(RecordParserTest, ARecordCutAtEveryBlockBoundaryKeepsTheWholeFieldsBeforeTheCut) {
  const std::string full = FileBytes(TestPath("data/real/linux-de-utf8.txt"));
  for (std::size_t cut = 128; cut < full.size(); cut += 128) {
    const std::string head = full.substr(0, cut);
    const ParsedRecord record = ParseRecordLine(head);
    ASSERT_EQ(record.state, RecordState::kIncomplete) << cut;
    const auto closed = static_cast<std::size_t>(std::count(head.begin(), head.end(), ';'));
    EXPECT_EQ(record.times.size(), closed - 6) << cut;
    const ParsedRecord whole = ParseRecordLine(full);
    for (std::size_t i = 0; i < record.times.size(); ++i)
      EXPECT_EQ(record.times[i], whole.times[i]);
  }
  EXPECT_EQ(ParseRecordLine(full.substr(0, 60)).state, RecordState::kIncomplete);
  EXPECT_EQ(ParseRecordLine(full.substr(0, 60)).Description().processor,
            "AMD EPYC/AMD64 Family 26 Model 2 Stepping 1");
}

TEST(RecordParserTest, ASemicolonInTheProcessorNameIsPlacedByTheWholeNumbers) {
  const ParsedRecord record =
      ParseRecordLine("AuthenticAMD;AMD Athlon;X2/x86 Family 15;2211;2;Linux;ZZ;" + Times());
  ASSERT_EQ(record.state, RecordState::kComplete);
  EXPECT_EQ(record.Description().processor, "AMD Athlon;X2/x86 Family 15");
  EXPECT_EQ(record.Description().mhz, 2211);
  EXPECT_EQ(record.Description().initials, "ZZ");
  EXPECT_EQ(record.notes.size(), 1u);

  // Cut short after 31 times, it still has 38 fields.
  const std::string all = Times();
  const ParsedRecord cut =
      ParseRecordLine("AuthenticAMD;AMD Athlon;X2/x86 Family 15;2211;2;Linux;ZZ;" +
                      all.substr(0, all.size() - 7) + "0,00");
  ASSERT_EQ(cut.state, RecordState::kIncomplete);
  EXPECT_EQ(cut.times.size(), 31u);
  EXPECT_EQ(cut.Description().processor, "AMD Athlon;X2/x86 Family 15");
}

TEST(RecordParserTest, ASemicolonInTheInitialsIsPlacedByTheMachinesOfTheOtherRecords) {
  const std::string alone = kDescription + "A;B;" + Times();
  const ParsedRecord unplaced = ParseRecordLine(alone);
  EXPECT_EQ(unplaced.state, RecordState::kUnreadable);
  EXPECT_NE(unplaced.reason.find("nicht eindeutig"), std::string::npos);
  ASSERT_EQ(unplaced.readings.size(), 2u);  // "A;B" as the initials, or "B" behind an OS "…;A"
  EXPECT_EQ(unplaced.stateOnceChosen, RecordState::kComplete);

  Collection collection;
  AddFileRecords(collection, "a.txt", kDescription + "AHX;" + Times() + "\r\n" + alone);
  PlaceAmbiguousRecords(collection);
  const Record& placed = collection.records[1];
  ASSERT_EQ(placed.state, RecordState::kComplete);
  EXPECT_EQ(placed.description->initials, "A;B");
  EXPECT_EQ(placed.description->os, "Windows XP Service Pack 2");
  EXPECT_EQ(placed.number, 2);
  EXPECT_EQ(*placed.file, "a.txt");
  EXPECT_EQ(placed.notes.size(), 2u);
}

TEST(RecordParserTest, ThirtyEightFieldsAreReadByPositionWhateverTheTextsLookLike) {
  for (const char* text : {"01.2024", "12,5000", "0.0000", "123,4567"}) {
    const ParsedRecord asInitials = ParseRecordLine(kDescription + text + ";" + Times());
    EXPECT_EQ(asInitials.state, RecordState::kComplete) << text << ": " << asInitials.reason;
    EXPECT_EQ(asInitials.Description().initials, text);
    const ParsedRecord asOs =
        ParseRecordLine("GenuineIntel;P4/x86;2993;2;" + std::string(text) + ";AHX;" + Times("."));
    EXPECT_EQ(asOs.state, RecordState::kComplete) << text << ": " << asOs.reason;
    EXPECT_EQ(asOs.Description().os, text);
    EXPECT_EQ(asOs.Description().initials, "AHX");
  }
}

// Every record of the real files, each as a file of its own would hold it.
std::vector<std::string> RealRecords() {
  std::vector<std::string> records;
  for (const char* name : {"linux-c-locale.txt", "linux-de-utf8.txt", "wine-xp-cp1252.txt"}) {
    const std::string bytes = FileBytes(TestPath(std::string("data/real/") + name));
    for (std::string_view line : SplitRecordLines(bytes)) records.emplace_back(line);
  }
  return records;
}

Records ReadJoined(const std::string& bytes) {
  Collection collection;
  AddFileRecords(collection, "alle.txt", bytes);
  PlaceAmbiguousRecords(collection);
  return collection.records;
}

bool SameRun(const Record& read, const ParsedRecord& alone) {
  return read.state == RecordState::kComplete && *read.description == alone.Description() &&
         read.times == alone.times;
}

TEST(RecordParserTest, FilesJoinedWithoutALineBreakGiveBackEachRecord) {
  const std::vector<std::string> records = RealRecords();
  ASSERT_EQ(records.size(), 4u);
  const std::string& cut = records[1];
  // A run that ends early leaves its first 128-byte block at least; cuts inside the OS name or
  // the initials are tried as well.
  const std::size_t osStart = cut.find(";2598;2;") + 8;
  for (const std::string& first : records) {
    for (const std::string& second : records) {
      const ParsedRecord a = ParseRecordLine(first), b = ParseRecordLine(second);
      const Records pair = ReadJoined(first + second);
      ASSERT_EQ(pair.size(), 2u) << first + second;
      EXPECT_TRUE(SameRun(pair[0], a) && SameRun(pair[1], b)) << first + second;
      for (std::size_t length = osStart; length < cut.size(); ++length) {
        const std::string joined = first + cut.substr(0, length) + second;
        const Records read = ReadJoined(joined);
        ASSERT_TRUE(SameRun(read.front(), a)) << joined;
        for (const Record& r : read) {
          const bool rightOrNone =
              r.state != RecordState::kComplete || SameRun(r, a) || SameRun(r, b);
          EXPECT_TRUE(rightOrNone) << joined;
        }
        if (length < 126) continue;
        ASSERT_EQ(read.size(), 3u) << joined;
        EXPECT_EQ(read[1].state, RecordState::kIncomplete) << joined;
        const ParsedRecord alone = ParseRecordLine(cut);
        EXPECT_EQ(KeyOf(*read[1].description), KeyOf(alone.Description())) << joined;
        EXPECT_TRUE(SameRun(read[2], b)) << joined;
      }
    }
  }
}

TEST(RecordParserTest, TimesBeyondThirtyTwoBitsStayExact) {
  // 500.000 s does not fit in 32 bits of 1/10,000 s; a copy keeps the times it was made with.
  std::string times = Times();
  times.replace(times.find("0,0003"), 6, "500.000,0003");
  const ParsedRecord record = ParseRecordLine(kDescription + "AHX;" + times);
  ASSERT_EQ(record.state, RecordState::kComplete);
  EXPECT_EQ(record.times.Ticks(2), 5'000'000'003LL);
  EXPECT_EQ(record.times.Ticks(31), 32);
  RecordTimes copy = record.times;
  EXPECT_EQ(copy, record.times);
  RecordTimes shorter;
  for (std::size_t phase = 0; phase < 31; ++phase) shorter.push_back(record.times.Ticks(phase));
  RecordTimes longer = shorter;
  longer.push_back(7);
  EXPECT_EQ(shorter.size(), 31u);
  EXPECT_EQ(longer.Ticks(30), 31);
  EXPECT_EQ(longer.Ticks(31), 7);
  EXPECT_FALSE(longer == record.times);
  RecordTimes assigned;
  assigned.push_back(1);
  assigned = longer;
  EXPECT_EQ(assigned, longer);
  EXPECT_EQ(assigned.Ticks(2), 5'000'000'003LL);
}

TEST(RecordParserTest, FieldsThatCannotBePlacedMakeTheRecordUnreadable) {
  // Mixed separators.
  std::string mixed = Times();
  mixed.replace(0, 6, "0.0001");
  EXPECT_EQ(ParseRecordLine(kDescription + "AHX;" + mixed).state, RecordState::kUnreadable);
  // No whole numbers where the MHz and the count belong.
  const ParsedRecord noNumbers = ParseRecordLine("GenuineIntel;P4/x86;fast;2;XP;AHX;" + Times());
  EXPECT_EQ(noNumbers.state, RecordState::kUnreadable);
  // Initials longer than eight characters were never written by a run.
  EXPECT_EQ(ParseRecordLine(kDescription + "ABCDEFGHI;" + Times()).state, RecordState::kUnreadable);
  // A time field that is none.
  std::string broken = Times(".");
  broken.replace(7, 6, "0.00x2");
  const ParsedRecord notTime = ParseRecordLine(kDescription + "AHX;" + broken);
  EXPECT_EQ(notTime.state, RecordState::kUnreadable);
  EXPECT_NE(notTime.reason.find("Feld 8"), std::string::npos);
}

TEST(RecordParserTest, AFloodOfSemicolonsIsRejectedAtOnce) {
  const ParsedRecord flood = ParseRecordLine(kDescription + std::string(200'000, ';') + Times());
  EXPECT_EQ(flood.state, RecordState::kUnreadable);
  EXPECT_NE(flood.reason.find("Zu viele Felder"), std::string::npos);
}

TEST(RecordParserTest, LinesOfOtherFilesAreNotOurs) {
  EXPECT_EQ(ParseRecordLine("Name;Vorname;Ort;").state, RecordState::kForeign);
  EXPECT_EQ(ParseRecordLine("hello world").state, RecordState::kForeign);
  EXPECT_EQ(ParseRecordLine("a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t;u;v;w;x;y;z;1;2;3;4;5;6;7;8;"
                            "9;0;1;2;3;")
                .state,
            RecordState::kForeign);
}

}  // namespace
}  // namespace zaveredo::auswertung
