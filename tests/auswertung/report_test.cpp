// What the report shows of the records it is given, through the program's command line.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zaveredo::auswertung
