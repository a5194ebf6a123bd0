#include "auswertung/model/comparison.h"

#include <vector>

#include "auswertung/model/statistics.h"

namespace zaveredo::auswertung {

Comparison Compare(const Machine& baseline, const Machine& other,
                   const Significance& significance) {
  Comparison comparison;
  comparison.machine = other.number;
  comparison.significance = significance;
  std::vector<double> all, fills, sorts;
  for (int phase = 0; phase < kPhaseCount; ++phase) {
    const double base = baseline.times[phase], time = other.times[phase];
    if (comparison.InNoise(phase)) {
      ++comparison.noisePhases;
    } else if (time < base) {
      ++comparison.wins;
    } else if (time > base) {
      ++comparison.losses;
    }
    if (base <= 0 || time <= 0) {
      ++comparison.zeroPhases;
      continue;
    }
    const double ratio = base / time;
    comparison.ratios[phase] = ratio;
    all.push_back(ratio);
    (IsFillPhase(phase) ? fills : sorts).push_back(ratio);
  }
  comparison.geomean = GeometricMean(all);
  comparison.geomeanFill = GeometricMean(fills);
  comparison.geomeanSort = GeometricMean(sorts);
  return comparison;
}

}  // namespace zaveredo::auswertung
