// One machine against the baseline, phase by phase, from the machines' medians.
#pragma once

#include <array>
#include <optional>

#include "auswertung/model/machines.h"
#include "auswertung/model/significance.h"

namespace zaveredo::auswertung {

struct Comparison {
  int machine = 0;  // number of the machine compared with the baseline
  // baseline time / this time per phase (> 1: this machine is faster); none when either
  // time is 0,0000, shorter than the clock's step.
  std::array<std::optional<double>, kPhaseCount> ratios{};
  std::optional<double> geomean;  // over all phases with a ratio
  std::optional<double> geomeanFill;
  std::optional<double> geomeanSort;
  int wins = 0;        // phases this machine ran faster, by more than the noise where tested
  int losses = 0;      // phases it ran slower, likewise
  int zeroPhases = 0;  // phases left out because of a 0,0000
  // Where both machines have enough runs: the intervals, and the phases whose interval holds
  // 1, which count as neither won nor lost.
  Significance significance;
  int noisePhases = 0;
  bool Tested() const { return significance.geomean.has_value(); }
  bool InNoise(int phase) const {
    return significance.ratios[phase] && significance.ratios[phase]->Holds(1.0);
  }
};

Comparison Compare(const Machine& baseline, const Machine& other,
                   const Significance& significance = {});

}  // namespace zaveredo::auswertung
