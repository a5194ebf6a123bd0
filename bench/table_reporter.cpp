#include "table_reporter.h"

#include <string>

namespace zaveredo::bench {

namespace {

// "Sort/real48/10000000" -> {"Sort", "real48", 10000000}; false for any other name.
bool ParseName(const std::string& name, PhaseResult* result) {
  auto first = name.find('/');
  auto second = name.find('/', first + 1);
  if (first == std::string::npos || second == std::string::npos) return false;
  result->phase = name.substr(0, first);
  if (result->phase != "Fill" && result->phase != "Sort") return false;
  result->type = name.substr(first + 1, second - first - 1);
  result->count = std::stoll(name.substr(second + 1));
  return true;
}

}  // namespace

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    auto counter = run.counters.find("per_element");
    PhaseResult result;
    if (counter == run.counters.end() || !ParseName(run.benchmark_name(), &result)) continue;
    result.nsPerElement = counter->second.value * 1e9;  // the counter holds seconds
    results_.push_back(result);
  }
}

void TableReporter::Finalize() {
  GetOutputStream() << FormatPhaseTables(results_);
  ConsoleReporter::Finalize();
}

}  // namespace zaveredo::bench
