#include "auswertung/model/report.h"

#include <algorithm>
#include <numeric>

namespace zaveredo::auswertung {
namespace {

std::string CheckMachineNumber(const char* option, std::optional<int> number, int count) {
  if (!number || (*number >= 1 && *number <= count)) return "";
  return std::string(option) + " " + std::to_string(*number) + ": Es gibt " +
         (count == 1 ? "nur die Maschine 1."
                     : "nur die Maschinen 1 bis " + std::to_string(count) + ".");
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

ReportOrError BuildReport(Collection collection, const Options& options) {
  ReportOrError result;
  Report& report = result.report;
  report.collection = std::move(collection);
  report.machines = GroupMachines(report.collection.records);
  report.types = options.types;
  report.comparisonAsked = options.compared.has_value();
  const int count = static_cast<int>(report.machines.size());
  result.usageError = CheckMachineNumber("--basis", options.baseline, count);
  if (result.usageError.empty()) {
    result.usageError = CheckMachineNumber("--vergleich", options.compared, count);
  }
  if (!result.usageError.empty() || count == 0) return result;
  report.baseline = options.baseline.value_or(1);
  if (options.compared == report.baseline) {
    result.usageError = "--vergleich " + std::to_string(report.baseline) +
                        ": Das ist die Basis; eine andere wählt --basis.";
    return result;
  }
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
  return result;
}

int CompleteRecords(const Report& report) {
  const auto& records = report.collection.records;
  return static_cast<int>(std::count_if(records.begin(), records.end(), [](const Record& r) {
    return r.state == RecordState::kComplete;
  }));
}

}  // namespace zaveredo::auswertung
