#include "driver/description.h"

#include <gtest/gtest.h>

#include <string>

#include "probe/clock_rate_hooks.h"
#include "probe/processor.h"
#include "probe/windows_name.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using test_support::FileBytes;
using test_support::TempDirectory;

TextStream console{};
std::string consoleWhileMeasuring;

// 1,296,750,000 ticks over the half-second measurement: 2593.5 MHz.
int counterReads = 0;
std::uint64_t ScriptedCounter() {
  return counterReads++ == 0 ? 0 : 1296750000u;
}
// What has been printed so far: the blocks already in the file and the bytes still waiting.
void NoteConsoleInsteadOfSleeping(std::uint32_t) {
  consoleWhileMeasuring = FileBytes("console.txt");
  consoleWhileMeasuring.append(console.buffer, console.bufferPos);
}

class DescriptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    x87::ResetFpu();
    counterReads = 0;
    previous_ = SetClockRateHooksForTesting({ScriptedCounter, NoteConsoleInsteadOfSleeping});
    BindTextStream(console, "console.txt");
    CreateTextStream(console);
    BindTextStream(results_.stream, "results.txt");
    CreateTextStream(results_.stream);
  }
  void TearDown() override { SetClockRateHooksForTesting(previous_); }

  TempDirectory directory_{TempDirectory::Use::kAsCurrent};
  ResultsFile results_{};
  ClockRateHooks previous_{};
};

TEST_F(DescriptionTest, EachItemIsPrintedOnItsLabelledLineAndRecordedWithItsSemicolon) {
  PlatformVersionInfo version = QueryPlatformVersion();
  DescribeMachine(console, results_, version);
  CloseTextStream(console);
  CloseTextStream(results_.stream);

  const std::string items[] = {GetProcessorVendor(), GetProcessorName(), "2594",
                               std::to_string(GetProcessorCount()), GetWindowsName(version)};
  EXPECT_EQ(FileBytes("console.txt"), "Hersteller des Prozessors  : " + items[0] + "\r\n" +
                                          "Name des Prozessors        : " + items[1] + "\r\n" +
                                          "Takt des Prozessors in MHz : " + items[2] + "\r\n" +
                                          "Anzahl Prozessoren         : " + items[3] + "\r\n" +
                                          "Betriebssystem             : " + items[4] + "\r\n");
  EXPECT_EQ(FileBytes("results.txt"),
            items[0] + ";" + items[1] + ";" + items[2] + ";" + items[3] + ";" + items[4] + ";");
}

TEST_F(DescriptionTest, TheClockRateLabelStandsBeforeTheMeasurementStarts) {
  DescribeMachine(console, results_, PlatformVersionInfo{});
  CloseTextStream(console);
  CloseTextStream(results_.stream);
  EXPECT_TRUE(consoleWhileMeasuring.ends_with("Takt des Prozessors in MHz : "))
      << consoleWhileMeasuring;
}

}  // namespace
}  // namespace zaveredo
