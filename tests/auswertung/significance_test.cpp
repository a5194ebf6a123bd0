// The bootstrap over the runs: a clear difference, one inside the noise, and too few runs.
#include "auswertung/model/significance.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

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

// Runs whose phases all take `each`, phase 0 as given per run.
RunTimes Runs(double each, std::vector<double> phase0) {
  RunTimes runs;
  for (double time : phase0) {
    std::array<double, kPhaseCount> times{};
    times.fill(each);
    times[0] = time;
    runs.push_back(times);
  }
  return runs;
}

TEST(SignificanceTest, TellsAClearDifferenceFromNoiseAndNeedsThreeRunsEach) {
  const RunTimes base = Runs(1.0, {1.00, 1.02, 0.98});
  const Significance clear = BootstrapSignificance(base, Runs(1.0, {0.50, 0.51, 0.49}));
  ASSERT_TRUE(clear.ratios[0]);
  EXPECT_GT(clear.ratios[0]->low, 1.9);
  EXPECT_FALSE(clear.ratios[0]->Holds(1.0));

  const Significance noisy = BootstrapSignificance(base, Runs(1.0, {0.70, 0.95, 1.40}));
  ASSERT_TRUE(noisy.ratios[0] && noisy.geomean);
  EXPECT_TRUE(noisy.ratios[0]->Holds(1.0));
  EXPECT_LT(noisy.ratios[0]->low, noisy.ratios[0]->high);
  // The same runs give the same interval every time.
  const Significance again = BootstrapSignificance(base, Runs(1.0, {0.70, 0.95, 1.40}));
  EXPECT_EQ(again.ratios[0]->low, noisy.ratios[0]->low);
  EXPECT_EQ(again.geomean->high, noisy.geomean->high);

  const Significance few = BootstrapSignificance(base, Runs(1.0, {0.50, 0.51}));
  EXPECT_FALSE(few.geomean);
  EXPECT_FALSE(few.ratios[0]);
}

// Of four runs, one a hundred times slower: a resample's median is the mean of its middle two
// draws, so the outlier is the median itself when it is drawn three times or more (5 % of the
// resamples) and the slow end of the interval reaches it; a median taken a rank too low would not.
TEST(SignificanceTest, TheResampledMedianOfAnEvenCountIsItsMiddlePair) {
  const Significance outlier =
      BootstrapSignificance(Runs(1.0, {1.0, 1.0, 1.0}), Runs(1.0, {1.0, 1.0, 1.0, 100.0}));
  ASSERT_TRUE(outlier.ratios[0]);
  EXPECT_DOUBLE_EQ(outlier.ratios[0]->low, 0.01);
  EXPECT_DOUBLE_EQ(outlier.ratios[0]->high, 1.0);
}

class SignificanceReportTest : public ::testing::Test {
 protected:
  TempDirectory directory_{TempDirectory::Use::kAsCurrent};
};

// Three runs of the baseline; `other` runs of machine 2, real fuellen twice as fast, real
// Sortieren scattered around the baseline's time.
void PutRuns(int other) {
  std::string text;
  for (int run = 0; run < 3; ++run) {
    std::vector<double> times(32, 1.0 + 0.01 * run);
    text += MakeRecord("GenuineIntel;Basis/x86;3000;2;Windows XP;A;", times) + "\r\n";
  }
  const double scatter[] = {0.7, 1.05, 1.4};
  for (int run = 0; run < other; ++run) {
    std::vector<double> times(32, 1.0 + 0.01 * run);
    times[0] = 0.5 + 0.01 * run;
    times[1] = scatter[run % 3];
    text += MakeRecord("GenuineIntel;Andere/x86;3000;2;Windows XP;B;", times) + "\r\n";
  }
  PutFileBytes("runs.txt", text);
}

TEST_F(SignificanceReportTest, ADifferenceInsideTheNoiseHasNoWinner) {
  PutRuns(3);
  const auto text = Invoke({"runs.txt"});
  ASSERT_EQ(text.code, 0) << text.err;
  // The fill, twice as fast, has a winner; the sort, scattered, has none.
  EXPECT_TRUE(std::regex_search(
      text.out,
      std::regex("\nreal +1\\.0100 +0\\.5100 +1\\.980 +1\\.[0-9]+ bis 2\\.[0-9]+  Nr\\. 2\n")))
      << text.out;
  EXPECT_TRUE(std::regex_search(
      text.out, std::regex("\nreal +1\\.0100 +1\\.0500 +0\\.962 +0\\.[0-9]+ bis 1\\.[0-9]+  "
                           "gleich \\(im Rauschen\\)\n")))
      << text.out;
  EXPECT_TRUE(Holds(text.out, "in 1 Phasen schneller, in 0 langsamer, in 31 gleich, davon 31"))
      << text.out;

  const auto json = nlohmann::json::parse(Invoke({"--format", "json", "runs.txt"}).out);
  const auto& comparison = json["comparison"][0];
  EXPECT_EQ(comparison["noise_phases"], 31);
  EXPECT_LE(comparison["geomean_interval"][0].get<double>(), comparison["geomean"].get<double>());
  EXPECT_GE(comparison["geomean_interval"][1].get<double>(), comparison["geomean"].get<double>());
}

TEST_F(SignificanceReportTest, FewerThanThreeRunsAreNotTested) {
  PutRuns(2);
  const auto text = Invoke({"runs.txt"});
  ASSERT_EQ(text.code, 0) << text.err;
  EXPECT_FALSE(Holds(text.out, "Rauschen")) << text.out;
  EXPECT_FALSE(Holds(text.out, "95 %")) << text.out;
  EXPECT_TRUE(Holds(text.out, "in 32 Phasen schneller, in 0 langsamer, in 0 gleich.\n"))
      << text.out;

  const auto json = nlohmann::json::parse(Invoke({"--format", "json", "runs.txt"}).out);
  EXPECT_TRUE(json["comparison"][0]["geomean_interval"].is_null());
  EXPECT_EQ(json["comparison"][0]["noise_phases"], 0);
}

}  // namespace
}  // namespace zaveredo::auswertung
