// What the report shows of the records it is given, through the program's command line.
#include "auswertung/model/report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "tests/auswertung/fixture.h"
#include "tests/auswertung/invoke.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"

namespace zaveredo::auswertung {
namespace {

using test_support::Holds;
using test_support::Invoke;
using test_support::MakeRecord;
using zaveredo::test_support::PutFileBytes;
using zaveredo::test_support::TempDirectory;

const std::string kMachine = "GenuineIntel;P4/x86 Family 15;2993;2;Windows XP;";

std::vector<double> Phases(double each, std::initializer_list<std::pair<int, double>> changes) {
  std::vector<double> times(32, each);
  for (const auto& [phase, time] : changes) times[static_cast<std::size_t>(phase)] = time;
  return times;
}

class ReportTest : public ::testing::Test {
 protected:
  TempDirectory directory_{TempDirectory::Use::kAsCurrent};
};

TEST_F(ReportTest, TheSpreadColumnLeavesOutPhasesWithARunOfZero) {
  PutFileBytes("runs.txt", MakeRecord(kMachine + "A;", Phases(1.0, {{0, 0.0}, {5, 1.0}})) + "\r\n" +
                               MakeRecord(kMachine + "B;", Phases(1.0, {{0, 0.5}, {5, 2.02}})));
  const auto outcome = Invoke({"runs.txt"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_TRUE(Holds(outcome.out, " 102.0 %!\n")) << outcome.out;
}

TEST_F(ReportTest, RecordsBehindAByte26InTheMiddleAreReadAndNoted) {
  const std::string other = "AuthenticAMD;K7/x86 Family 6;1400;1;Windows 98;;";
  PutFileBytes("z.txt", MakeRecord(kMachine + "A;", Phases(1.0, {})) + "\x1A" + "\r\n" +
                            MakeRecord(other, Phases(2.0, {})) + "\x1A\x1A");
  const auto outcome = Invoke({"z.txt"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_TRUE(Holds(outcome.out, "2 Maschinen aus 2 vollständigen")) << outcome.out;
  EXPECT_TRUE(Holds(outcome.out, "Nr. 2 (z.txt): Steht hinter einem Byte 26")) << outcome.out;
}

TEST_F(ReportTest, EveryFormatShowsRecordTextsAsTextNeverAsMarkup) {
  const std::string os = "&amp; <script>alert(1)</script>|\x07";
  PutFileBytes("x.txt", MakeRecord("Ven,dor;P|4\\x<b>/x86 & \"co\";2993;2;" + os + ";\x1B[2Ja\"b,;",
                                   Phases(1.0, {})));
  const auto format = [](const char* name) { return Invoke({"--format", name, "x.txt"}).out; };

  const std::string markdown = format("markdown");
  EXPECT_TRUE(Holds(markdown, "| &amp;amp; &lt;script>alert(1)&lt;/script>\\|\x07 |")) << markdown;
  EXPECT_TRUE(Holds(markdown, "| P\\|4\\\\x&lt;b> |")) << markdown;  // the processor label

  const std::string csv = format("csv");
  EXPECT_TRUE(Holds(csv, ",\"Ven,dor\",\"P|4\\x<b>/x86 & \"\"co\"\"\",")) << csv;
  EXPECT_TRUE(Holds(csv, ",\"\x1B[2Ja\"\"b,\",")) << csv;

  const std::string json = format("json");
  EXPECT_FALSE(Holds(json, "\x1B") || Holds(json, "\x07"));
  const auto parsed = nlohmann::json::parse(json);
  EXPECT_EQ(parsed["records"][0]["os"], os);
  EXPECT_EQ(parsed["machines"][0]["processor"], "P|4\\x<b>/x86 & \"co\"");

  const std::string html = format("html");
  EXPECT_FALSE(Holds(html, "<script") || Holds(html, "<b>") || Holds(html, "a\"b"));
  EXPECT_TRUE(Holds(html, "&amp;amp; &lt;script&gt;alert(1)&lt;/script&gt;|")) << html;
  EXPECT_TRUE(Holds(html, ">P|4\\x&lt;b&gt;</td>")) << html;
  EXPECT_TRUE(Holds(html, "[2Ja&quot;b,</td>")) << html;

  const std::string text = format("text");
  EXPECT_FALSE(Holds(text, "\x1B") || Holds(text, "\x07"));
  EXPECT_TRUE(Holds(text, "?[2J")) << text;
}

TEST_F(ReportTest, InitialsOfEightCharactersInEitherCharacterSetAreWhole) {
  const std::vector<std::pair<std::string, std::string>> initials = {
      {"ABCDEFGH", "ABCDEFGH"},
      {"\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xE2\x82\xAC",
       "\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xE2\x82\xAC"},  // ÄÖÜäöüß€
      {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF\x80",
       "\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xE2\x82\xAC"},  // Windows-1252
  };
  for (const auto& [bytes, utf8] : initials) {
    PutFileBytes("k.txt", MakeRecord(kMachine + bytes + ";", Phases(1.0, {})));
    const auto outcome = Invoke({"--format", "csv", "k.txt"});
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_TRUE(Holds(outcome.out,
                      ",1,ja,GenuineIntel,P4/x86 Family 15,2993,2,Windows XP," + utf8 + ",1.0000,"))
        << outcome.out;
  }
}

TEST_F(ReportTest, TimesWithThousandsGroupsInEitherLocale) {
  std::string german = kMachine + "G;", english = kMachine + "E;";
  for (int phase = 0; phase < 32; ++phase) {
    german += phase % 2 ? "123.456,7890;" : "1.234.567,8901;";
    english += phase % 2 ? "123,456.7890;" : "1,234,567.8901;";
  }
  PutFileBytes("t.txt", german + "\r\n" + english);
  const auto outcome = Invoke({"--format", "csv", "t.txt"});
  EXPECT_EQ(outcome.code, 0) << outcome.err;
  for (const char* initials : {",G,", ",E,"}) {
    EXPECT_TRUE(Holds(outcome.out, std::string(initials) + "1234567.8901,123456.7890,"))
        << outcome.out;
  }
}

TEST_F(ReportTest, ATiedPhaseIsNeitherWonNorLost) {
  // Against a baseline of 1 s everywhere: 10 phases faster, 12 slower, 10 equal.
  std::vector<double> other(32, 1.0);
  for (int phase = 0; phase < 22; ++phase)
    other[static_cast<std::size_t>(phase)] = phase < 10 ? 0.5 : 2.0;
  PutFileBytes("g.txt", MakeRecord(kMachine + "A;", Phases(1.0, {})) + "\r\n" +
                            MakeRecord("AuthenticAMD;K7/x86;1400;1;Windows 98;B;", other));
  const std::string text = Invoke({"g.txt"}).out;
  EXPECT_TRUE(Holds(text, "Maschine 2 ist in 10 Phasen schneller, in 12 langsamer, in 10 gleich."))
      << text;
  const std::string markdown = Invoke({"--format", "markdown", "g.txt"}).out;
  EXPECT_TRUE(
      Holds(markdown, "Maschine 2 ist in 10 Phasen schneller, in 12 langsamer, in 10 gleich."))
      << markdown;
  const auto json = nlohmann::json::parse(Invoke({"--format", "json", "g.txt"}).out);
  EXPECT_EQ(json["comparison"][0]["wins"], 10);
  EXPECT_EQ(json["comparison"][0]["losses"], 12);
}

// The command line rejects such numbers first; the model still never compares against a machine
// other than the one asked for.
TEST(CompareMachinesTest, MachineNumbersItCannotHonourCompareNothing) {
  const Report grouped = GroupedReport(test_support::FixtureCollection());
  const auto count = static_cast<int>(grouped.machines.size());
  ASSERT_GE(count, 2);
  Options beyond, ontoBaseline, fine;
  beyond.baseline = count + 1;
  ontoBaseline.baseline = 2;
  ontoBaseline.compared = 2;
  fine.baseline = 2;
  fine.compared = 1;
  for (const Options* options : {&beyond, &ontoBaseline}) {
    Report report = grouped;
    EXPECT_THROW(CompareMachines(report, *options), std::invalid_argument);
    EXPECT_TRUE(report.comparisons.empty());
    EXPECT_EQ(report.baseline, 0);
  }
  Report report = grouped;
  CompareMachines(report, fine);
  EXPECT_EQ(report.baseline, 2);
  EXPECT_EQ(report.compared, 1);
}

}  // namespace
}  // namespace zaveredo::auswertung
