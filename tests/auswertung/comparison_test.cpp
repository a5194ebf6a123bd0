// Machines from runs, medians and spread, and the geometric means against the baseline.
#include "auswertung/model/comparison.h"

#include <gtest/gtest.h>

#include <cmath>

#include "auswertung/model/machines.h"
#include "auswertung/model/statistics.h"

namespace zaveredo::auswertung {
namespace {

// Times in 1/10,000 s, as the files hold them; `zeroPhase` reads 0,0000.
Record MakeRun(int number, const std::string& os, long long fill, long long sort,
               int zeroPhase = -1) {
  Record record;
  record.number = number;
  record.state = RecordState::kComplete;
  record.description = std::make_shared<const MachineDescription>(MachineDescription{
      "GenuineIntel", "P4/x86", 3000 + number, 1, os, "R" + std::to_string(number)});
  for (int phase = 0; phase < kPhaseCount; ++phase) {
    record.times.push_back(phase == zeroPhase ? 0 : IsFillPhase(phase) ? fill : sort);
  }
  return record;
}

TEST(MachinesTest, RunsOfOneMachineGiveMediansAndTheirSpread) {
  Records records = {MakeRun(1, "XP", 10000, 20000), MakeRun(2, "Linux", 50000, 50000),
                     MakeRun(3, "XP", 12000, 21000), MakeRun(4, "XP", 10500, 20500),
                     MakeRun(5, "XP", 11000, 20000)};
  records.push_back(MakeRun(6, "XP", 90000, 90000));
  records.back().state = RecordState::kIncomplete;
  const std::vector<Machine> machines = GroupMachines(records);
  ASSERT_EQ(machines.size(), 2u);
  const Machine& xp = machines[0];
  EXPECT_EQ(xp.records, (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(xp.initials, (std::vector<std::string>{"R1", "R3", "R4", "R5"}));
  EXPECT_DOUBLE_EQ(xp.times[0], (1.05 + 1.1) / 2);
  EXPECT_DOUBLE_EQ(xp.times[1], (2.0 + 2.05) / 2);
  EXPECT_EQ(xp.description.mhz, 3004);  // (3003 + 3004) / 2, rounded half away from zero
  EXPECT_DOUBLE_EQ(xp.spread[0].min, 1.0);
  EXPECT_DOUBLE_EQ(xp.spread[0].max, 1.2);
  EXPECT_TRUE(xp.spread[0].Flagged());   // 20 %
  EXPECT_FALSE(xp.spread[1].Flagged());  // 5 %
  EXPECT_EQ(xp.FlaggedPhases(), 16);
  EXPECT_EQ(machines[1].number, 2);
  EXPECT_EQ(machines[1].records, std::vector<int>{2});
}

TEST(ComparisonTest, GeometricMeansMatchAHandComputation) {
  // Fills: baseline 2 s, other 1 s (ratio 2); sorts: 8 s against 1 s (ratio 8).
  const std::vector<Machine> machines =
      GroupMachines({MakeRun(1, "Basis", 20000, 80000), MakeRun(2, "Andere", 10000, 10000)});
  const Comparison comparison = Compare(machines[0], machines[1]);
  EXPECT_NEAR(*comparison.geomeanFill, 2.0, 1e-12);
  EXPECT_NEAR(*comparison.geomeanSort, 8.0, 1e-12);
  EXPECT_NEAR(*comparison.geomean, 4.0, 1e-12);  // sqrt(2 * 8)
  EXPECT_EQ(comparison.wins, 32);
  EXPECT_EQ(comparison.losses, 0);
  EXPECT_EQ(comparison.zeroPhases, 0);
  const Comparison reverse = Compare(machines[1], machines[0]);
  EXPECT_NEAR(*reverse.geomean, 0.25, 1e-12);
  EXPECT_EQ(reverse.losses, 32);
}

TEST(ComparisonTest, APhaseOfZeroIsLeftOutAndCounted) {
  // Byte fill shorter than the clock's step.
  const std::vector<Machine> machines = GroupMachines(
      {MakeRun(1, "Basis", 20000, 80000), MakeRun(2, "Andere", 10000, 10000, FillPhase(7))});
  const Comparison comparison = Compare(machines[0], machines[1]);
  EXPECT_EQ(comparison.zeroPhases, 1);
  EXPECT_FALSE(comparison.ratios[FillPhase(7)].has_value());
  // 15 fills of ratio 2 and 16 sorts of ratio 8: 2^((15 + 3 * 16) / 31).
  EXPECT_NEAR(*comparison.geomean, std::pow(2.0, 63.0 / 31.0), 1e-12);
  EXPECT_NEAR(*comparison.geomeanFill, 2.0, 1e-12);
  EXPECT_EQ(comparison.wins, 32);
}

TEST(StatisticsTest, MedianAndGeometricMean) {
  std::vector<double> odd = {5, 1, 3}, even = {4, 1, 3, 2};
  EXPECT_EQ(Median(odd), 3);
  EXPECT_EQ(Median(even), 2.5);
  EXPECT_NEAR(*GeometricMean({1, 2, 4}), 2.0, 1e-15);
  EXPECT_FALSE(GeometricMean({}).has_value());
}

}  // namespace
}  // namespace zaveredo::auswertung
