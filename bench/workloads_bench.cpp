// Nanoseconds per element of every fill and every sort, at the element counts given by
// --counts=N[,N...] (default 1,000,000 and 10,000,000), and the peak memory of one fill+sort
// pair; at the end one table per phase at the largest count (table_reporter.h). Each measured phase
// runs exactly as in the benchmark run: the array is sized before the clock starts and released
// after it stops.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/random.h"
#include "table_reporter.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "workloads/element_table.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

void PerElement(benchmark::State& state, std::int64_t count) {
  // Seconds per element, shown with its SI prefix (n for nanoseconds).
  state.counters["per_element"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void Fill(benchmark::State& state, ElementType type) {
  x87::ResetFpu();
  ElementCount = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    SizeArray(type);
    state.ResumeTiming();
    RowOf(type).fill();
    state.PauseTiming();
    ReleaseArray(type);
    state.ResumeTiming();
  }
  PerElement(state, state.range(0));
}

void Sort(benchmark::State& state, ElementType type) {
  x87::ResetFpu();
  ElementCount = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    SizeArray(type);
    RowOf(type).fill();
    state.ResumeTiming();
    RowOf(type).sort();
    state.PauseTiming();
    ReleaseArray(type);
    state.ResumeTiming();
  }
  PerElement(state, state.range(0));
}

// The resident-set peak of a whole extended fill+sort pair, the largest array, in bytes above
// what the process held before. Runs first, before any other benchmark has touched memory.
void PeakMemoryOfPair(benchmark::State& state) {
  x87::ResetFpu();
  ElementCount = static_cast<std::int32_t>(state.range(0));
  rusage before;
  getrusage(RUSAGE_SELF, &before);
  for (auto _ : state) {
    SizeArray(ElementType::kExtended);
    RowOf(ElementType::kExtended).fill();
    RowOf(ElementType::kExtended).sort();
    ReleaseArray(ElementType::kExtended);
  }
  rusage after;
  getrusage(RUSAGE_SELF, &after);
  state.counters["peak_bytes"] = static_cast<double>(after.ru_maxrss - before.ru_maxrss) * 1024;
  state.counters["array_bytes"] = static_cast<double>(state.range(0)) * 10;
}

std::vector<std::int64_t> Counts(int* argc, char** argv) {
  std::vector<std::int64_t> counts;
  int kept = 1;
  for (int k = 1; k < *argc; ++k) {
    if (std::strncmp(argv[k], "--counts=", 9) == 0) {
      for (char* p = argv[k] + 9; *p != '\0';) {
        counts.push_back(std::strtoll(p, &p, 10));
        if (*p == ',') ++p;
      }
    } else {
      argv[kept++] = argv[k];
    }
  }
  *argc = kept;
  if (counts.empty()) counts = {1000000, 10000000};
  return counts;
}

}  // namespace
}  // namespace zaveredo

int main(int argc, char** argv) {
  using namespace zaveredo;
  std::vector<std::int64_t> counts = Counts(&argc, argv);
  auto* peak = benchmark::RegisterBenchmark("PeakMemoryOfPair/extended", PeakMemoryOfPair);
  peak->Arg(counts.back())->Iterations(1)->Unit(benchmark::kMillisecond);
  for (const char* phase : {"Fill", "Sort"}) {
    for (const ElementTypeRow& row : ElementTypeRows()) {
      std::string name = std::string(phase) + "/" + row.name;
      auto* b = phase[0] == 'F' ? benchmark::RegisterBenchmark(name.c_str(), Fill, row.type)
                                : benchmark::RegisterBenchmark(name.c_str(), Sort, row.type);
      for (std::int64_t count : counts) b->Arg(count);
      b->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  bench::TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
