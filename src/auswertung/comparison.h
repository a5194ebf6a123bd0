// One machine against the baseline, phase by phase, from the machines' medians.
#pragma once

#include <array>
#include <optional>

#include "auswertung/machines.h"

namespace zaveredo::auswertung {

struct Comparison {
  int machine = 0;  // number of the machine compared with the baseline
  // baseline time / this time per phase (> 1: this machine is faster); none when either
  // time is 0,0000, shorter than the clock's step.
  std::array<std::optional<double>, kPhaseCount> ratios{};
  std::optional<double> geomean;  // over all phases with a ratio
  std::optional<double> geomeanFill;
  std::optional<double> geomeanSort;
  int wins = 0;        // phases this machine ran faster
  int losses = 0;      // phases it ran slower
  int zeroPhases = 0;  // phases left out because of a 0,0000
};

Comparison Compare(const Machine& baseline, const Machine& other);

}  // namespace zaveredo::auswertung
