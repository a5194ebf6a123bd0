// The real measurement on this machine, against the time-stamp counter rate the kernel found.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "probe/clock_rate.h"

namespace zaveredo {
namespace {

// The last "tsc: Detected ... MHz" or "tsc: Refined TSC clocksource calibration: ... MHz" of
// the kernel log; 0 when the log is not readable or has none.
double KernelTscMhz() {
  FILE* log = popen("dmesg 2>/dev/null", "r");
  if (!log) return 0;
  double mhz = 0;
  char line[512];
  while (std::fgets(line, sizeof line, log)) {
    std::string text = line;
    std::size_t tsc = text.find("tsc: ");
    std::size_t unit = text.find(" MHz", tsc);
    if (tsc == std::string::npos || unit == std::string::npos) continue;
    if (text.find("Detected", tsc) == std::string::npos &&
        text.find("calibration", tsc) == std::string::npos)
      continue;
    std::size_t number = text.find_last_of(' ', unit - 1) + 1;
    mhz = std::strtod(text.c_str() + number, nullptr);
  }
  pclose(log);
  return mhz;
}

// "cpu MHz" of /proc/cpuinfo, trusted only for a counter that runs at a constant rate.
double CpuinfoMhz() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  double mhz = 0;
  bool constant = false;
  for (std::string line; std::getline(cpuinfo, line) && !line.empty();) {
    if (line.rfind("cpu MHz", 0) == 0)
      mhz = std::strtod(line.c_str() + line.find(':') + 1, nullptr);
    if (line.rfind("flags", 0) == 0) constant = line.find(" constant_tsc") != std::string::npos;
  }
  return constant ? mhz : 0;
}

TEST(ClockRateMachineTest, MeasuredRateIsWithinAFifthOfTheKernelsCounterRate) {
  double expected = KernelTscMhz();
  if (expected <= 0) expected = CpuinfoMhz();
  if (expected <= 0) GTEST_SKIP() << "the kernel reports no time-stamp counter rate here";
  double measured = static_cast<double>(MeasureClockRate());
  EXPECT_GT(measured, expected * 0.8);
  EXPECT_LT(measured, expected * 1.2);
}

}  // namespace
}  // namespace zaveredo
