#include "driver/pair_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "runtime/time_of_day.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using test_support::FileBytes;
using test_support::TempDirectory;

constexpr Separators kGerman{',', '.'};
constexpr Separators kEnglish{'.', ','};

double At(int second, int milliseconds) {
  platform::LocalTime time;
  time.hour = 15;
  time.second = static_cast<std::uint16_t>(second);
  time.milliseconds = static_cast<std::uint16_t>(milliseconds);
  return TimeOfDayFrom(time);
}

// What the Int64 array looked like when a sample was taken.
struct ArrayState {
  std::int32_t length = -1;
  bool allZero = false;
  bool sorted = false;
};

ArrayState StateOf(ElementType type) {
  ArrayState state;
  state.length = ArrayOf(type).length;
  if (type != ElementType::kInt64 || state.length == 0) return state;
  const std::int64_t* first = ElementsOf<std::int64_t>(type);
  const std::int64_t* last = first + state.length;
  state.allZero = std::all_of(first, last, [](std::int64_t v) { return v == 0; });
  state.sorted = std::is_sorted(first, last);
  return state;
}

// Fill from 15:00:00.000 to 15:00:01.000; the sort is timed on its own samples, from
// 15:00:00.000 to 15:00:02.500.
int clockReads = 0;
ArrayState stateAtSample[4];
ElementType sampledType = ElementType::kReal;
double ScriptedClock() {
  static const double kSamples[4] = {At(0, 0), At(1, 0), At(0, 0), At(2, 500)};
  stateAtSample[clockReads] = StateOf(sampledType);
  return kSamples[clockReads++];
}

// The monotonic clock agrees with the script: it reads 1 s over the fill and 2.5 s over the sort.
int monotonicReads = 0;
std::int64_t ScriptedMonotonic() {
  static const std::int64_t kMilliseconds[4] = {0, 1000, 5000, 7500};
  return kMilliseconds[monotonicReads++];
}

class PairRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    x87::ResetFpu();
    ElementCount = 64;
    clockReads = 0;
    monotonicReads = 0;
    BindTextStream(console_, "console.txt");
    CreateTextStream(console_);
    BindTextStream(results_.stream, "results.txt");
    CreateTextStream(results_.stream);
  }

  void Run(int pairIndex, const Separators& separators) {
    const PhasePair& pair = kPhasePairs[pairIndex];
    sampledType = pair.type;
    RunPhasePair(
        pair, PairContext{{ScriptedClock, ScriptedMonotonic}, &console_, &results_, &separators});
    CloseTextStream(console_);
    CloseTextStream(results_.stream);
  }

  TempDirectory directory_{TempDirectory::Use::kAsCurrent};
  TextStream console_;
  ResultsFile results_;
};

TEST_F(PairRunTest, ARecordedPairPrintsOneLineAndWritesBothTimes) {
  Run(1, kGerman);
  EXPECT_EQ(FileBytes("console.txt"),
            "real fuellen     :  0,9991 sek |  Sortieren :  2,4977 sek\r\n");
  EXPECT_EQ(FileBytes("results.txt"), "0,9991;2,4977;");
}

TEST_F(PairRunTest, TheWarmUpPairIsShownButNotRecorded) {
  Run(0, kEnglish);
  EXPECT_EQ(FileBytes("console.txt"),
            "extended fuellen :  0.9991 sek |  Sortieren :  2.4977 sek\r\n");
  EXPECT_EQ(FileBytes("results.txt"), "");
}

// Every label is its type's name and " fuellen", padded to the colon's column.
TEST_F(PairRunTest, AnotherTypesLineHasItsNameInTheSameColumns) {
  Run(14, kGerman);
  EXPECT_EQ(FileBytes("console.txt"),
            "LongInt fuellen  :  0,9991 sek |  Sortieren :  2,4977 sek\r\n");
}

TEST_F(PairRunTest, OnlyTheFillAndTheSortLieInsideTheirTimedIntervals) {
  Run(16, kGerman);
  ASSERT_EQ(clockReads, 4);
  for (const ArrayState& state : stateAtSample) EXPECT_EQ(state.length, 64);
  EXPECT_TRUE(stateAtSample[0].allZero);   // sized, not yet filled, when the fill starts
  EXPECT_FALSE(stateAtSample[1].allZero);  // filled when the fill ends
  EXPECT_FALSE(stateAtSample[1].sorted);
  EXPECT_FALSE(stateAtSample[2].sorted);  // the sort starts on the filled array
  EXPECT_TRUE(stateAtSample[3].sorted);
  EXPECT_EQ(ArrayOf(ElementType::kInt64).length, 0);  // released after the pair
}

}  // namespace
}  // namespace zaveredo
