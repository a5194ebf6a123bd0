#include "auswertung/model/machines.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>

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
    values[i] = static_cast<double>(runs[i]->description->mhz.value_or(0));
  }
  machine.description.mhz = std::llround(Median(values));
}

// The machine of each description met so far: records that share a description are runs of
// one machine, found without comparing their texts again.
class MachineIndex {
 public:
  // The index of the record's machine, and whether it is new.
  std::pair<std::size_t, bool> Of(const Record& record, std::size_t next) {
    const auto seen = byDescription_.find(record.description.get());
    if (seen != byDescription_.end()) return {seen->second, false};
    const auto [it, added] = byKey_.try_emplace(KeyOf(*record.description), next);
    byDescription_.emplace(record.description.get(), it->second);
    return {it->second, added};
  }

 private:
  std::unordered_map<const MachineDescription*, std::size_t> byDescription_;
  std::map<MachineKey, std::size_t> byKey_;  // views into the records' descriptions
};

Machine NewMachine(int number, const MachineDescription& description) {
  Machine machine;
  machine.number = number;
  machine.description = description;
  machine.description.initials.clear();
  return machine;
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

std::vector<Machine> GroupMachines(const Records& records) {
  MachineIndex index;
  std::vector<Machine> machines;
  std::vector<std::vector<const Record*>> runs;
  for (const Record& record : records) {
    if (record.state != RecordState::kComplete) continue;
    const auto [at, added] = index.Of(record, machines.size());
    if (added) {
      machines.push_back(NewMachine(static_cast<int>(machines.size()) + 1, *record.description));
      runs.emplace_back();
    }
    Machine& machine = machines[at];
    machine.records.push_back(record.number);
    // A handful say who ran it; thousands of runs need not list thousands of initials.
    const std::string& initials = record.description->initials;
    if (machine.initials.size() < kListedInitials &&
        std::find(machine.initials.begin(), machine.initials.end(), initials) ==
            machine.initials.end()) {
      machine.initials.push_back(initials);
    }
    runs[at].push_back(&record);
  }
  for (std::size_t i = 0; i < machines.size(); ++i) Summarise(machines[i], runs[i]);
  return machines;
}

}  // namespace zaveredo::auswertung
