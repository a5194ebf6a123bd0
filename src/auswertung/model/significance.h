// Whether a machine differs from the baseline by more than their runs differ among themselves:
// a bootstrap over the runs of both machines gives a 95 % interval of each phase's ratio and of
// the speed index. A difference whose interval holds 1 is inside the noise.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "auswertung/model/phases.h"

namespace zaveredo::auswertung {

// Fewer runs than this on either side give no interval: resampling two runs says nothing.
inline constexpr std::size_t kTestedRuns = 3;
// A machine of thousands of runs would cost seconds: at most this many, spread evenly over its
// runs, are resampled. Fewer runs give a wider interval, so the cap errs towards "im Rauschen".
inline constexpr std::size_t kMostResampledRuns = 20;

// The runs of `count` that are resampled, by index: all of them up to kMostResampledRuns.
inline std::size_t ResampledRun(std::size_t i, std::size_t count) {
  return count <= kMostResampledRuns ? i : i * count / kMostResampledRuns;
}

// The times of each run of a machine, in phase order.
using RunTimes = std::vector<std::array<double, kPhaseCount>>;

struct Interval {
  double low = 0;
  double high = 0;
  bool Holds(double value) const { return low <= value && value <= high; }
};

struct Significance {
  // baseline time / other time; none for a phase with a 0,0000 in a resample.
  std::array<std::optional<Interval>, kPhaseCount> ratios{};
  std::optional<Interval> geomean;  // of the speed index over the phases with a ratio
};

// Empty unless both machines have at least kTestedRuns runs. The resampling draws from a
// generator with a fixed seed, so the same records give the same intervals every time.
Significance BootstrapSignificance(const RunTimes& baseline, const RunTimes& other);

// The same test of many machines against one baseline: the baseline's resampled medians depend
// only on how many runs the other machine has, and are drawn once for each such number.
class BaselineTest {
 public:
  explicit BaselineTest(const RunTimes& baseline);
  ~BaselineTest();
  BaselineTest(const BaselineTest&) = delete;
  BaselineTest& operator=(const BaselineTest&) = delete;
  Significance Against(const RunTimes& other);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zaveredo::auswertung
