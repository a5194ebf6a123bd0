#include "driver/phase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/time_of_day.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

constexpr Separators kGerman{',', '.'};
constexpr Separators kEnglish{'.', ','};

double At(int hour, int minute, int second, int milliseconds) {
  platform::LocalTime time;
  time.hour = static_cast<std::uint16_t>(hour);
  time.minute = static_cast<std::uint16_t>(minute);
  time.second = static_cast<std::uint16_t>(second);
  time.milliseconds = static_cast<std::uint16_t>(milliseconds);
  return TimeOfDayFrom(time);
}

// A clock that hands out prepared samples and counts how often it was read.
std::vector<double> samples;
std::size_t samplesTaken = 0;
double FakeClock() {
  return samples.at(samplesTaken++);
}

std::size_t samplesBeforeWork = 99;
void NoteWork() {
  samplesBeforeWork = samplesTaken;
}

// A monotonic clock read before the first sample and after the last: 0, then the length.
std::int64_t monotonicLength = 0;
std::int64_t FakeMonotonic() {
  return samplesTaken == 0 ? 0 : monotonicLength;
}

// The monotonic clock agrees with the samples unless it is given a length of its own.
PhaseTimes TimeBetween(double start, double end, std::int64_t monotonicMilliseconds = -1) {
  samples = {start, end};
  samplesTaken = 0;
  double days = end >= start ? end - start : end - start + 1;
  monotonicLength = monotonicMilliseconds >= 0 ? monotonicMilliseconds
                                               : static_cast<std::int64_t>(days * 86400000 + 0.5);
  return TimePhase(NoteWork, PhaseClocks{FakeClock, FakeMonotonic});
}

class PhaseTest : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
};

TEST_F(PhaseTest, OneSecondAfterThreeInTheAfternoonShowsTheSinglePrecisionStep) {
  PhaseTimes times = TimeBetween(At(15, 0, 0, 0), At(15, 0, 1, 0));
  EXPECT_EQ(times.startTime, 0.625f);
  EXPECT_EQ(times.endTime, 0.6250115633010864f);
  EXPECT_EQ(times.elapsedSeconds, 0.9990692138671875f);
  EXPECT_EQ(TimeText(times, kGerman), "0,9991");
  EXPECT_EQ(TimeText(times, kEnglish), "0.9991");
}

TEST_F(PhaseTest, WorkRunsBetweenTheTwoSamplesAndNothingElseReadsTheClock) {
  TimeBetween(At(10, 0, 0, 0), At(10, 0, 0, 5));
  EXPECT_EQ(samplesBeforeWork, 1u);
  EXPECT_EQ(samplesTaken, 2u);
}

TEST_F(PhaseTest, SamplesAreStoredInSinglePrecision) {
  PhaseTimes times = TimeBetween(0.1, 0.3);
  EXPECT_EQ(times.startTime, static_cast<float>(0.1));
  EXPECT_EQ(times.endTime, static_cast<float>(0.3));
  EXPECT_NE(static_cast<double>(times.startTime), 0.1);
}

struct TimingCase {
  int from[4];
  int to[4];
  const char* german;
  const char* english;
};

TEST_F(PhaseTest, ReportedTimesFollowTheResolutionOfTheStoredSamples) {
  const TimingCase cases[] = {
      {{9, 0, 0, 0}, {9, 0, 1, 0}, "0,9991", "0.9991"},
      {{15, 0, 0, 0}, {15, 0, 0, 3}, "0,0051", "0.0051"},
      {{15, 0, 0, 0}, {15, 0, 2, 500}, "2,4977", "2.4977"},
      {{0, 30, 0, 0}, {0, 30, 10, 0}, "10,0000", "10.0000"},
      {{11, 59, 59, 0}, {12, 0, 1, 0}, "1,9981", "1.9981"},
      {{14, 12, 13, 141}, {14, 12, 13, 141}, "0,0000", "0.0000"},
  };
  for (const TimingCase& c : cases) {
    PhaseTimes times = TimeBetween(At(c.from[0], c.from[1], c.from[2], c.from[3]),
                                   At(c.to[0], c.to[1], c.to[2], c.to[3]));
    EXPECT_EQ(TimeText(times, kGerman), c.german) << c.german;
    EXPECT_EQ(TimeText(times, kEnglish), c.english) << c.english;
  }
}

TEST_F(PhaseTest, TenSecondsAfterMidnightKeepTheExtendedProduct) {
  EXPECT_EQ(TimeBetween(At(0, 30, 0, 0), At(0, 30, 10, 0)).elapsedSeconds, 10.00002670288086f);
}

TEST_F(PhaseTest, APhaseAcrossMidnightReportsItsTrueLength) {
  PhaseTimes times = TimeBetween(At(23, 59, 59, 500), At(0, 0, 0, 500));
  // One second, within the 5 ms step of a sample taken after noon.
  EXPECT_NEAR(times.elapsedSeconds, 1.0, 0.0052);
  std::string text = TimeText(times, kGerman);
  EXPECT_TRUE(text.starts_with("0,99") || text.starts_with("1,00")) << text;
}

TEST_F(PhaseTest, TheMidnightCorrectionAppliesOnlyWhenTheClockWentBackwards) {
  EXPECT_EQ(TimeBetween(0.5, 0.5).elapsedSeconds, 0.0f);
  EXPECT_FLOAT_EQ(TimeBetween(0.75, 0.25).elapsedSeconds, 43200.0f);
  EXPECT_FLOAT_EQ(TimeBetween(0.25, 0.75).elapsedSeconds, 43200.0f);
}

TEST_F(PhaseTest, TheTimeOfDayStandsWhileTheMonotonicClockAgreesWithinASecond) {
  EXPECT_EQ(TimeBetween(At(15, 0, 0, 0), At(15, 0, 1, 0), 1000).elapsedSeconds,
            0.9990692138671875f);
  EXPECT_NEAR(TimeBetween(At(9, 0, 0, 0), At(9, 0, 1, 900), 1000).elapsedSeconds, 1.9, 0.005);
  EXPECT_NEAR(TimeBetween(At(9, 0, 0, 0), At(9, 0, 0, 100), 1100).elapsedSeconds, 0.1, 0.005);
}

TEST_F(PhaseTest, AClockSetDuringAPhaseGivesWayToTheMonotonicLength) {
  EXPECT_EQ(TimeBetween(At(9, 0, 0, 0), At(9, 0, 2, 500), 1000).elapsedSeconds, 1.0f);
  EXPECT_EQ(TimeBetween(At(9, 0, 0, 0), At(9, 0, 0, 0), 1234567).elapsedSeconds, 1234.567f);
  // Set back ten seconds: read as a midnight crossing, almost a day.
  PhaseTimes back = TimeBetween(At(15, 0, 10, 0), At(15, 0, 0, 250), 250);
  EXPECT_EQ(back.elapsedSeconds, 0.25f);
  EXPECT_EQ(TimeText(back, kGerman), "0,2500");
  PhaseTimes forward = TimeBetween(At(9, 0, 0, 0), At(9, 1, 0, 0), 1500);
  EXPECT_EQ(TimeText(forward, kEnglish), "1.5000");
}

TEST_F(PhaseTest, LongTimesAreGroupedByThousands) {
  PhaseTimes times = TimeBetween(0.0, 0.015625);  // 1350 s, exact in every step of the arithmetic
  EXPECT_EQ(TimeText(times, kGerman), "1.350,0000");
  EXPECT_EQ(TimeText(times, kEnglish), "1,350.0000");
}

}  // namespace
}  // namespace zaveredo
