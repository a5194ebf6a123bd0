#include "probe/clock_rate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/scheduling.h"
#include "probe/clock_rate_hooks.h"
#include "runtime/errors/errors.h"

namespace zaveredo {
namespace {

// What the measurement did, in order: "S10" for a sleep of 10 ms, "R" for a counter read.
std::vector<std::string> gEvents;
std::vector<std::uint64_t> gCounts;  // the readings to hand out, in order
std::uint32_t gClassWhileCounting = 0;
std::int32_t gThreadPriorityWhileCounting = 0;

std::uint64_t FeedCount() {
  gEvents.push_back("R");
  gClassWhileCounting = platform::GetPriorityClass();
  gThreadPriorityWhileCounting = platform::GetThreadPriority();
  std::uint64_t count = gCounts.front();
  gCounts.erase(gCounts.begin());
  return count;
}

void RecordSleep(std::uint32_t milliseconds) {
  gEvents.push_back("S" + std::to_string(milliseconds));
}

std::uint64_t RaiseOnSecondRead() {
  if (gEvents.size() > 2) throw Error(ErrorKind::EAccessViolation, "counter");
  return FeedCount();
}

[[gnu::noinline]] std::uint64_t FaultingRead() {
  gEvents.push_back("R");
  asm volatile("ud2");
  return 0;
}

void RaisingSleep(std::uint32_t milliseconds) {
  RecordSleep(milliseconds);
  if (milliseconds == 500) throw Error(ErrorKind::ERangeError, "sleep");
}

class ClockRateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gEvents.clear();
    gCounts.clear();
    saved_ = SetClockRateHooksForTesting({FeedCount, RecordSleep});
  }
  void TearDown() override { SetClockRateHooksForTesting(saved_); }

  long double RateFor(std::uint64_t start, std::uint64_t end) {
    gCounts = {start, end};
    return MeasureClockRate();
  }

 private:
  ClockRateHooks saved_{};
};

TEST_F(ClockRateTest, SleepsAndReadsInOrder) {
  RateFor(100, 200);
  EXPECT_EQ(gEvents, (std::vector<std::string>{"S10", "R", "S500", "R"}));
}

TEST_F(ClockRateTest, TicksOverHalfASecondGiveMegahertz) {
  EXPECT_EQ(RateFor(0, 1500000000u), 3000.0L);
  EXPECT_EQ(RateFor(12345, 12345 + 500000000u), 1000.0L);
  EXPECT_EQ(RateFor(7, 7), 0.0L);
}

TEST_F(ClockRateTest, TheWholeCountEntersEvenPastThirtyTwoBits) {
  // The quotients are not exact in binary; compare with the extended quotient of the exact
  // count, and with the decimal value.
  long double rate = RateFor(0, 0x100000000u);
  EXPECT_EQ(rate, 4294967296.0L / 500000.0L);
  EXPECT_NEAR(static_cast<double>(rate), 8589.934592, 1e-9);
  rate = RateFor(1000, 1000 + 0x100000000u + 500000u);
  EXPECT_NEAR(static_cast<double>(rate), 8590.934592, 1e-9);
  // A count with its top bit set is still unsigned.
  rate = RateFor(0, 0x8000000000000000u + 1000000u);
  EXPECT_EQ(rate, (0x1p63L + 1000000.0L) / 500000.0L);
  EXPECT_EQ(RateFor(0, 0xFFFFFFFFFFFFFFFFu), 0xFFFFFFFFFFFFFFFFp0L / 500000.0L);
}

TEST_F(ClockRateTest, ACounterThatWrapsCountsAcrossTheWrap) {
  EXPECT_EQ(RateFor(0xFFFFFFFFFFFFFFFFu - 999999u, 500000u), 3.0L);
}

struct Priorities {
  std::uint32_t priorityClass = platform::GetPriorityClass();
  std::int32_t thread = platform::GetThreadPriority();
  bool operator==(const Priorities&) const = default;
};

TEST_F(ClockRateTest, PrioritiesAreRaisedWhileCountingAndRestoredAfterwards) {
  Priorities before;
  EXPECT_EQ(RateFor(0, 1500000000u), 3000.0L);
  EXPECT_EQ(Priorities(), before);
  if (gClassWhileCounting != platform::kRealtimePriorityClass)
    GTEST_SKIP() << "the platform refused the real-time class";
  EXPECT_EQ(gThreadPriorityWhileCounting, platform::kThreadPriorityTimeCritical);
}

TEST_F(ClockRateTest, AThreadPriorityOfItsOwnComesBackToo) {
  Priorities outside;
  // Under the real-time class a thread has a priority of its own to lose. Linux grants only the
  // priorities the measurement itself sets, so this runs on Windows.
  if (!platform::SetPriorityClass(platform::kRealtimePriorityClass) ||
      !platform::SetThreadPriority(1))
    GTEST_SKIP() << "the platform refused the real-time class or thread priority 1";
  Priorities before;
  gCounts = {0, 1500000000u};
  SetClockRateHooksForTesting({RaiseOnSecondRead, RecordSleep});
  EXPECT_EQ(MeasureClockRate(), 0.0L);
  EXPECT_EQ(gThreadPriorityWhileCounting, platform::kThreadPriorityTimeCritical);
  Priorities after;
  platform::SetThreadPriority(outside.thread);
  platform::SetPriorityClass(outside.priorityClass);
  EXPECT_EQ(after, before);
}

TEST_F(ClockRateTest, AnErrorWhileCountingGivesZeroWithPrioritiesRestored) {
  Priorities before;
  gCounts = {0, 1500000000u};
  SetClockRateHooksForTesting({RaiseOnSecondRead, RecordSleep});
  EXPECT_EQ(MeasureClockRate(), 0.0L);
  EXPECT_EQ(gEvents, (std::vector<std::string>{"S10", "R", "S500"}));
  EXPECT_EQ(Priorities(), before);

  gEvents.clear();
  SetClockRateHooksForTesting({FeedCount, RaisingSleep});
  gCounts = {0, 1500000000u};
  EXPECT_EQ(MeasureClockRate(), 0.0L);
  EXPECT_EQ(Priorities(), before);
}

TEST_F(ClockRateTest, AProcessorFaultInTheCounterReadGivesZeroAndLeavesTheGuardsUsable) {
  Priorities before;
  SetClockRateHooksForTesting({FaultingRead, RecordSleep});
  EXPECT_EQ(MeasureClockRate(), 0.0L);
  EXPECT_EQ(gEvents, (std::vector<std::string>{"S10", "R"}));
  EXPECT_EQ(Priorities(), before);
  SetClockRateHooksForTesting({FeedCount, RecordSleep});
  EXPECT_EQ(RateFor(0, 1500000000u), 3000.0L);
}

}  // namespace
}  // namespace zaveredo
