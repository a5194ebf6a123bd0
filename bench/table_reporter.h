// The console reporter of Google Benchmark, which also keeps every fill and sort result and
// prints the phase tables (phase_tables.h) once all benchmarks have run.
#pragma once

#include <benchmark/benchmark.h>

#include <vector>

#include "phase_tables.h"

namespace zaveredo::bench {

class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<PhaseResult> results_;
};

}  // namespace zaveredo::bench
