// Complete records grouped by machine: vendor, processor name, processor count and OS name.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "auswertung/model/phases.h"
#include "auswertung/read/record_store.h"

namespace zaveredo::auswertung {

// Runs whose slowest and fastest time of a phase differ by more than this are flagged.
inline constexpr double kSpreadLimit = 0.10;

struct PhaseSpread {
  double min = 0;
  double max = 0;
  // max/min - 1; negative when the fastest run read 0,0000 and no ratio exists.
  double relative = 0;
  bool Flagged() const { return relative > kSpreadLimit; }
};

struct Machine {
  int number = 0;  // 1-based, in the order of the machines' first complete records
  // Vendor, processor, processor count and OS as each run has them; the MHz the median over the
  // runs, rounded; no initials (the runs' ones are listed below).
  MachineDescription description;
  std::vector<int> records;                 // record numbers of its runs
  std::vector<std::string> initials;        // the first few distinct ones, in reading order
  std::array<double, kPhaseCount> times{};  // medians
  std::array<PhaseSpread, kPhaseCount> spread{};
  double Sum() const;
  int FlaggedPhases() const;
};

std::vector<Machine> GroupMachines(const Records& records);

}  // namespace zaveredo::auswertung
