#include "auswertung/model/report.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace zaveredo::auswertung {
namespace {

bool NamesAMachine(std::optional<int> number, int count) {
  return !number || (*number >= 1 && *number <= count);
}

// Fastest first; a machine without a speed index (every phase 0,0000) goes last.
std::vector<int> Rank(const std::vector<Comparison>& comparisons) {
  std::vector<int> ranking(comparisons.size());
  std::iota(ranking.begin(), ranking.end(), 1);
  std::stable_sort(ranking.begin(), ranking.end(), [&](int a, int b) {
    const auto& x = comparisons[a - 1].geomean;
    const auto& y = comparisons[b - 1].geomean;
    return x.has_value() && (!y.has_value() || *x > *y);
  });
  return ranking;
}

// The records by their number, to find a machine's runs.
std::vector<const Record*> RecordsByNumber(const Records& records) {
  std::vector<const Record*> byNumber;
  for (const Record& record : records) {
    const auto at = static_cast<std::size_t>(record.number);
    if (byNumber.size() <= at) byNumber.resize(at + 1, nullptr);
    byNumber[at] = &record;
  }
  return byNumber;
}

// The times of the runs of the machine that the test resamples.
RunTimes RunsOf(const Machine& machine, const std::vector<const Record*>& byNumber) {
  RunTimes runs;
  const std::size_t count = machine.records.size();
  for (std::size_t i = 0; i < std::min(count, kMostResampledRuns); ++i) {
    const auto number = static_cast<std::size_t>(machine.records[ResampledRun(i, count)]);
    const Record& run = *byNumber[number];
    std::array<double, kPhaseCount> times{};
    for (std::size_t phase = 0; phase < times.size(); ++phase) times[phase] = run.times[phase];
    runs.push_back(times);
  }
  return runs;
}

}  // namespace

Report GroupedReport(Collection collection) {
  Report report;
  report.collection = std::move(collection);
  report.machines = GroupMachines(report.collection.records);
  return report;
}

void CompareMachines(Report& report, const Options& options) {
  const int count = static_cast<int>(report.machines.size());
  const int baselineNumber = options.baseline.value_or(1);
  if (!NamesAMachine(options.baseline, count) || !NamesAMachine(options.compared, count) ||
      (count > 0 && options.compared == baselineNumber)) {
    throw std::invalid_argument("--basis oder --vergleich nennt keine mögliche Maschine");
  }
  report.types = options.types;
  report.comparisonAsked = options.compared.has_value();
  if (count == 0) return;
  report.baseline = baselineNumber;
  const Machine& baseline = report.MachineNumber(report.baseline);
  const std::vector<const Record*> byNumber = RecordsByNumber(report.collection.records);
  BaselineTest test(RunsOf(baseline, byNumber));
  for (const Machine& machine : report.machines) {
    const Significance significance =
        machine.number == report.baseline || machine.records.size() < kTestedRuns
            ? Significance{}
            : test.Against(RunsOf(machine, byNumber));
    report.comparisons.push_back(Compare(baseline, machine, significance));
  }
  report.ranking = Rank(report.comparisons);
  if (options.compared) {
    report.compared = *options.compared;
  } else if (count == 2) {
    report.compared = report.baseline == 1 ? 2 : 1;
  }
}

Report BuildReport(Collection collection, const Options& options) {
  Report report = GroupedReport(std::move(collection));
  CompareMachines(report, options);
  return report;
}

int CompleteRecords(const Report& report) {
  const auto& records = report.collection.records;
  return static_cast<int>(std::count_if(records.begin(), records.end(), [](const Record& r) {
    return r.state == RecordState::kComplete;
  }));
}

}  // namespace zaveredo::auswertung
