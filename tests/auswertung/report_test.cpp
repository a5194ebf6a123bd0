// What the report shows of the records it is given, through the program's command line.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/auswertung/fixture.h"
#include "tests/auswertung/invoke.h"

namespace zaveredo::auswertung {
namespace {

using test_support::Holds;
using test_support::Invoke;
using test_support::MakeRecord;
using zaveredo::test_support::PutFile;

const std::string kMachine = "GenuineIntel;P4/x86 Family 15;2993;2;Windows XP;";

std::vector<double> Phases(double each, std::initializer_list<std::pair<int, double>> changes) {
  std::vector<double> times(32, each);
  for (const auto& [phase, time] : changes) times[static_cast<std::size_t>(phase)] = time;
  return times;
}

class ReportTest : public ::testing::Test {
 protected:
  zaveredo::test_support::TempDirectory directory_;
};

TEST_F(ReportTest, TheSpreadColumnLeavesOutPhasesWithARunOfZero) {
  PutFile("runs.txt", MakeRecord(kMachine + "A;", Phases(1.0, {{0, 0.0}, {5, 1.0}})) + "\r\n" +
                          MakeRecord(kMachine + "B;", Phases(1.0, {{0, 0.5}, {5, 2.02}})));
  const auto outcome = Invoke({"runs.txt"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_TRUE(Holds(outcome.out, " 102.0 %!\n")) << outcome.out;
}

TEST_F(ReportTest, RecordsBehindAByte26InTheMiddleAreReadAndNoted) {
  const std::string other = "AuthenticAMD;K7/x86 Family 6;1400;1;Windows 98;;";
  PutFile("z.txt", MakeRecord(kMachine + "A;", Phases(1.0, {})) + "\x1A" + "\r\n" +
                       MakeRecord(other, Phases(2.0, {})) + "\x1A\x1A");
  const auto outcome = Invoke({"z.txt"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_TRUE(Holds(outcome.out, "2 Maschinen aus 2 vollständigen")) << outcome.out;
  EXPECT_TRUE(Holds(outcome.out, "Nr. 2 (z.txt): Steht hinter einem Byte 26")) << outcome.out;
}

TEST_F(ReportTest, EveryFormatShowsRecordTextsAsTextNeverAsMarkup) {
  const std::string os = "&amp; <script>alert(1)</script>|\x07";
  PutFile("x.txt", MakeRecord("Ven\"d,or;P|4\\x<b>/x86 & \"co\";2993;2;" + os + ";\x1B[2Ja\"b,;",
                              Phases(1.0, {})));
  const auto format = [](const char* name) { return Invoke({"--format", name, "x.txt"}).out; };

  const std::string markdown = format("markdown");
  EXPECT_TRUE(Holds(markdown, "| &amp;amp; &lt;script>alert(1)&lt;/script>\\|\x07 |")) << markdown;
  EXPECT_TRUE(Holds(markdown, "| P\\|4\\\\x&lt;b>/x86 &amp; \"co\" |")) << markdown;

  const std::string csv = format("csv");
  EXPECT_TRUE(Holds(csv, ",\"Ven\"\"d,or\",\"P|4\\x<b>/x86 & \"\"co\"\"\",")) << csv;
  EXPECT_TRUE(Holds(csv, ",\"\x1B[2Ja\"\"b,\",")) << csv;

  const std::string json = format("json");
  EXPECT_FALSE(Holds(json, "\x1B") || Holds(json, "\x07"));
  const auto parsed = nlohmann::json::parse(json);
  EXPECT_EQ(parsed["records"][0]["os"], os);
  EXPECT_EQ(parsed["machines"][0]["processor"], "P|4\\x<b>/x86 & \"co\"");

  const std::string html = format("html");
  EXPECT_FALSE(Holds(html, "<script") || Holds(html, "<b>") || Holds(html, "\"co\""));
  EXPECT_TRUE(Holds(html, "&amp;amp; &lt;script&gt;alert(1)&lt;/script&gt;|")) << html;
  EXPECT_TRUE(Holds(html, "P|4\\x&lt;b&gt;/x86 &amp; &quot;co&quot;")) << html;

  const std::string text = format("text");
  EXPECT_FALSE(Holds(text, "\x1B") || Holds(text, "\x07"));
  EXPECT_TRUE(Holds(text, "?[2J")) << text;
}

}  // namespace
}  // namespace zaveredo::auswertung
