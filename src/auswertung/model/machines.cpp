#include "auswertung/model/machines.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "auswertung/model/machine_key.h"
#include "auswertung/model/statistics.h"

namespace zaveredo::auswertung {
namespace {

constexpr std::size_t kListedInitials = 8;

PhaseSpread SpreadOf(const std::vector<double>& values) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  PhaseSpread spread{*low, *high, 0};
  if (*low > 0) {
    spread.relative = *high / *low - 1;
  } else if (*high > 0) {
    spread.relative = -1;
  }
  return spread;
}

void Summarise(Machine& machine, const std::vector<const Record*>& runs) {
  std::vector<double> values(runs.size());
  for (int phase = 0; phase < kPhaseCount; ++phase) {
    for (std::size_t i = 0; i < runs.size(); ++i) values[i] = runs[i]->times[phase];
    machine.spread[phase] = SpreadOf(values);
    machine.times[phase] = Median(values);
  }
  for (std::size_t i = 0; i < runs.size(); ++i) {
    values[i] = static_cast<double>(runs[i]->mhz.value_or(0));
  }
  machine.mhz = std::llround(Median(values));
}

}  // namespace

double Machine::Sum() const {
  double sum = 0;
  for (double time : times) sum += time;
  return sum;
}

int Machine::FlaggedPhases() const {
  return static_cast<int>(std::count_if(spread.begin(), spread.end(),
                                        [](const PhaseSpread& s) { return s.Flagged(); }));
}

std::vector<Machine> GroupMachines(const std::vector<Record>& records) {
  std::map<MachineKey, std::size_t> index;
  std::vector<Machine> machines;
  std::vector<std::vector<const Record*>> runs;
  for (const Record& record : records) {
    if (record.state != RecordState::kComplete) continue;
    auto [it, added] = index.try_emplace(KeyOf(record), machines.size());
    if (added) {
      Machine machine;
      machine.number = static_cast<int>(machines.size()) + 1;
      machine.vendor = record.vendor;
      machine.processor = record.processor;
      machine.processors = record.processors.value_or(0);
      machine.os = record.os;
      machines.push_back(std::move(machine));
      runs.emplace_back();
    }
    Machine& machine = machines[it->second];
    machine.records.push_back(record.number);
    // A handful say who ran it; thousands of runs need not list thousands of initials.
    if (machine.initials.size() < kListedInitials &&
        std::find(machine.initials.begin(), machine.initials.end(), record.initials) ==
            machine.initials.end()) {
      machine.initials.push_back(record.initials);
    }
    runs[it->second].push_back(&record);
  }
  for (std::size_t i = 0; i < machines.size(); ++i) Summarise(machines[i], runs[i]);
  return machines;
}

}  // namespace zaveredo::auswertung
