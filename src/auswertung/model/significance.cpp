#include "auswertung/model/significance.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "auswertung/model/statistics.h"

namespace zaveredo::auswertung {
namespace {

constexpr int kResamples = 1000;
constexpr double kTail = 0.025;  // each side of the 95 % interval

// splitmix64: small, and the same numbers on every platform and library, which the
// distributions of <random> do not promise.
class Draws {
 public:
  std::size_t Below(std::size_t count) {
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    return static_cast<std::size_t>((z >> 32) * count >> 32);
  }
  // As many draws as `count` calls of Below would make.
  void Skip(std::size_t count) { state_ += 0x9E3779B97F4A7C15u * count; }

 private:
  std::uint64_t state_ = 20;
};

// A machine's runs with, per phase, the runs in the order of their times: a resample's median
// is then found by walking that order with the number of times each run was drawn, without
// sorting anything per resample.
struct SortedRuns {
  explicit SortedRuns(RunTimes runs) : runs(std::move(runs)) {
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      std::vector<std::size_t>& order = orders[phase];
      order.resize(this->runs.size());
      for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
      std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return this->runs[a][phase] < this->runs[b][phase];
      });
    }
  }
  RunTimes runs;
  std::array<std::vector<std::size_t>, kPhaseCount> orders;
};

// How often each resampled run was drawn in one resample; a machine has at most
// kMostResampledRuns of them.
using DrawnCounts = std::array<int, kMostResampledRuns>;

// The median of the drawn runs of a phase: the time at rank `count / 2` (0-based), with the one
// below it for an even count, both found in one walk along the phase's order.
double DrawnMedian(const SortedRuns& sorted, int phase, const DrawnCounts& drawn,
                   std::size_t count) {
  const std::vector<std::size_t>& order = sorted.orders[phase];
  const int upper = static_cast<int>(count / 2);
  const int lower = count % 2 == 0 ? upper - 1 : upper;
  std::size_t i = 0;
  int seen = drawn[order[0]];  // the draws of the runs up to order[i]
  // The time at a rank no lower than the one asked before; past the last draw, the slowest run.
  const auto at = [&](int rank) {
    while (seen <= rank && i + 1 < order.size()) seen += drawn[order[++i]];
    return sorted.runs[order[i]][phase];
  };
  const double atLower = at(lower);
  return lower == upper ? atLower : (atLower + at(upper)) / 2;
}

// The phase medians of as many runs as there are, drawn with replacement.
std::array<double, kPhaseCount> ResampledMedians(const SortedRuns& sorted, Draws& draws) {
  const std::size_t count = sorted.runs.size();
  DrawnCounts drawn{};
  for (std::size_t i = 0; i < count; ++i) ++drawn[draws.Below(count)];
  std::array<double, kPhaseCount> medians{};
  for (int phase = 0; phase < kPhaseCount; ++phase) {
    medians[phase] = DrawnMedian(sorted, phase, drawn, count);
  }
  return medians;
}

// The percentile interval; none when a phase had no ratio in some resample. The upper rank is
// placed first: the lower one is then among the samples in front of it.
std::optional<Interval> PercentileInterval(std::vector<double>& samples) {
  if (samples.size() != kResamples) return std::nullopt;
  const auto rank = [](double share) {
    return static_cast<std::ptrdiff_t>(share * (kResamples - 1) + 0.5);
  };
  const std::ptrdiff_t low = rank(kTail), high = rank(1 - kTail);
  std::nth_element(samples.begin(), samples.begin() + high, samples.end());
  std::nth_element(samples.begin(), samples.begin() + low, samples.begin() + high);
  return Interval{samples[static_cast<std::size_t>(low)], samples[static_cast<std::size_t>(high)]};
}

RunTimes EvenlySpread(const RunTimes& runs) {
  if (runs.size() <= kMostResampledRuns) return runs;
  RunTimes kept;
  for (std::size_t i = 0; i < kMostResampledRuns; ++i) {
    kept.push_back(runs[ResampledRun(i, runs.size())]);
  }
  return kept;
}

}  // namespace

struct BaselineTest::State {
  explicit State(const RunTimes& baseline) : runs(baseline.size()), base(EvenlySpread(baseline)) {}
  std::size_t runs;
  SortedRuns base;
  // Per number of the other machine's resampled runs: the baseline's medians of each resample.
  std::map<std::size_t, std::vector<std::array<double, kPhaseCount>>> medians;
};

BaselineTest::BaselineTest(const RunTimes& baseline) : state_(std::make_unique<State>(baseline)) {}
BaselineTest::~BaselineTest() = default;

Significance BaselineTest::Against(const RunTimes& other) {
  Significance result;
  if (state_->runs < kTestedRuns || other.size() < kTestedRuns) return result;
  const SortedRuns& base = state_->base;
  const SortedRuns others(EvenlySpread(other));
  // The draws alternate between the two machines, so the baseline's resamples are the same for
  // every machine with as many resampled runs.
  auto [known, added] = state_->medians.try_emplace(others.runs.size());
  std::vector<std::array<double, kPhaseCount>>& baseMedians = known->second;
  Draws draws;
  std::array<std::vector<double>, kPhaseCount> ratios;
  for (std::vector<double>& phase : ratios) phase.reserve(kResamples);
  std::vector<double> geomeans;
  geomeans.reserve(kResamples);
  std::vector<double> all;  // one resample's ratios
  all.reserve(kPhaseCount);
  for (int resample = 0; resample < kResamples; ++resample) {
    if (added) {
      baseMedians.push_back(ResampledMedians(base, draws));
    } else {
      draws.Skip(base.runs.size());
    }
    const auto& baseTimes = baseMedians[static_cast<std::size_t>(resample)];
    const auto times = ResampledMedians(others, draws);
    all.clear();
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      if (baseTimes[phase] <= 0 || times[phase] <= 0) continue;
      ratios[phase].push_back(baseTimes[phase] / times[phase]);
      all.push_back(ratios[phase].back());
    }
    if (const auto mean = GeometricMean(all)) geomeans.push_back(*mean);
  }
  for (int phase = 0; phase < kPhaseCount; ++phase) {
    result.ratios[phase] = PercentileInterval(ratios[phase]);
  }
  result.geomean = PercentileInterval(geomeans);
  return result;
}

Significance BootstrapSignificance(const RunTimes& baseline, const RunTimes& other) {
  return BaselineTest(baseline).Against(other);
}

}  // namespace zaveredo::auswertung
