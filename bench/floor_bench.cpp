// The project's fills and sorts beside the floor (floor_work.h): for every phase the best of a
// few runs of each side, in processor time, and their ratio, as two Markdown tables. Every run
// of both sides starts from the same seed and must leave the same bytes in its array (and the
// same seed after a fill); any difference ends the program with exit code 1, so a floor that
// skipped work, or a project phase that changed its results, cannot pass unnoticed.
//
//   floor_bench [--count=N] [--runs=R]     (default 10,000,000 elements, 3 runs)
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "floor_work.h"
#include "runtime/random.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "workloads/element_table.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

struct Options {
  std::int32_t count = 10000000;
  int runs = 3;
};

struct PhaseRow {
  std::string type;
  double project = 1e300;  // best ns per element
  double floor = 1e300;
  int floorOffset = -1;         // the placement of the best floor run; -1 when there is only one
  std::vector<double> floorAt;  // best ns of each floor placement, when there are several
};

double ProcessorSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Work>
double NanosecondsPerElement(Work work, std::int32_t count) {
  double start = ProcessorSeconds();
  work();
  return (ProcessorSeconds() - start) * 1e9 / count;
}

// The same seed for both sides of one run; a different one for each type and run.
std::uint32_t SeedOf(const ElementTypeRow& row, int run) {
  return 0x9E3779B9u * static_cast<std::uint32_t>(static_cast<int>(row.type) * 16 + run + 1);
}

// Both arrays of the type hold the same bytes and both sources stand at the same seed.
void ExpectSame(const char* phase, const ElementTypeRow& row, std::int32_t count) {
  const auto* project = static_cast<const std::uint8_t*>(ArrayOf(row.type).data);
  const auto* floor = static_cast<const std::uint8_t*>(floor_work::ArrayData(row.type));
  std::size_t bytes = static_cast<std::size_t>(count) * static_cast<std::size_t>(row.width);
  if (std::memcmp(project, floor, bytes) != 0) {
    std::size_t k = 0;
    while (project[k] == floor[k]) ++k;
    std::fprintf(stderr, "MISMATCH %s/%s: project and floor differ at byte %zu\n", phase, row.name,
                 k);
    std::exit(1);
  }
  if (RandomSeed != floor_work::Seed()) {
    std::fprintf(stderr, "MISMATCH %s/%s: the seeds differ after the fill\n", phase, row.name);
    std::exit(1);
  }
}

void PrepareProject(const ElementTypeRow& row, std::uint32_t seed) {
  SizeArray(row.type);
  RandomSeed = seed;
}

void PrepareFloor(const ElementTypeRow& row, std::uint32_t seed) {
  floor_work::SizeArray(row.type, row.width);
  floor_work::SetSeed(seed);
}

PhaseRow MeasureFill(const ElementTypeRow& row, const Options& options) {
  PhaseRow result;
  result.type = row.name;
  const std::vector<floor_work::FillVariant> variants = floor_work::FillVariants(row.type);
  if (variants.size() > 1) result.floorAt.assign(variants.size(), 1e300);
  for (int run = 0; run < options.runs; ++run) {
    std::uint32_t seed = SeedOf(row, run);
    PrepareProject(row, seed);
    result.project = std::min(result.project, NanosecondsPerElement(row.fill, options.count));
    for (std::size_t k = 0; k < variants.size(); ++k) {
      PrepareFloor(row, seed);
      double ns = NanosecondsPerElement(variants[k].fill, options.count);
      ExpectSame("Fill", row, options.count);
      if (variants.size() > 1) result.floorAt[k] = std::min(result.floorAt[k], ns);
      if (ns < result.floor) {
        result.floor = ns;
        result.floorOffset = variants.size() > 1 ? variants[k].offset : -1;
      }
    }
    ReleaseArray(row.type);
    floor_work::ReleaseArray(row.type);
  }
  return result;
}

PhaseRow MeasureSort(const ElementTypeRow& row, const Options& options) {
  PhaseRow result;
  result.type = row.name;
  auto floorFill = floor_work::FillVariants(row.type).front().fill;
  for (int run = 0; run < options.runs; ++run) {
    std::uint32_t seed = SeedOf(row, run);
    PrepareProject(row, seed);
    row.fill();
    result.project = std::min(result.project, NanosecondsPerElement(row.sort, options.count));
    PrepareFloor(row, seed);
    floorFill();
    result.floor = std::min(
        result.floor, NanosecondsPerElement([&] { floor_work::Sort(row.type); }, options.count));
    ExpectSame("Sort", row, options.count);
    ReleaseArray(row.type);
    floor_work::ReleaseArray(row.type);
  }
  return result;
}

void PrintTable(const char* phase, const std::vector<PhaseRow>& rows, const Options& options) {
  std::printf("\n%s, %d elements, best of %d runs each, processor time\n\n", phase, options.count,
              options.runs);
  std::printf("| type | project ns | floor ns | project / floor | floor placed at |\n");
  std::printf("|---|---|---|---|---|\n");
  for (const PhaseRow& row : rows) {
    std::string placed = row.floorOffset < 0 ? "-" : "page + " + std::to_string(row.floorOffset);
    std::printf("| %s | %.1f | %.1f | %.2f | %s |\n", row.type.c_str(), row.project, row.floor,
                row.project / row.floor, placed.c_str());
  }
}

// The floor's fills that were run at several placements, each placement's best: how much the
// placement alone decides on this machine.
void PrintPlacements(const std::vector<PhaseRow>& rows, ElementType type) {
  const PhaseRow& row = rows[static_cast<int>(type)];
  if (row.floorAt.empty()) return;
  std::printf("\n%s fill, floor by placement:", row.type.c_str());
  std::vector<floor_work::FillVariant> variants = floor_work::FillVariants(type);
  for (std::size_t k = 0; k < variants.size(); ++k)
    std::printf(" page + %d: %.1f ns;", variants[k].offset, row.floorAt[k]);
  std::printf("\n");
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int k = 1; k < argc; ++k) {
    if (std::strncmp(argv[k], "--count=", 8) == 0) {
      options.count = static_cast<std::int32_t>(std::strtol(argv[k] + 8, nullptr, 10));
    } else if (std::strncmp(argv[k], "--runs=", 7) == 0) {
      options.runs = static_cast<int>(std::strtol(argv[k] + 7, nullptr, 10));
    } else {
      std::fprintf(stderr, "usage: floor_bench [--count=N] [--runs=R]\n");
      std::exit(2);
    }
  }
  if (options.count < 1 || options.runs < 1) {
    std::fprintf(stderr, "floor_bench: the count and the runs must be at least 1\n");
    std::exit(2);
  }
  return options;
}

}  // namespace
}  // namespace zaveredo

int main(int argc, char** argv) {
  using namespace zaveredo;
  Options options = ParseOptions(argc, argv);
  x87::ResetFpu();
  if (!floor_work::DividerIsSound()) {
    std::fprintf(stderr, "floor_bench: this processor's divider is flawed; no floor here\n");
    return 1;
  }
  ElementCount = options.count;
  floor_work::SetCount(options.count);
  std::vector<PhaseRow> fills;
  std::vector<PhaseRow> sorts;
  for (const ElementTypeRow& row : ElementTypeRows()) fills.push_back(MeasureFill(row, options));
  for (const ElementTypeRow& row : ElementTypeRows()) sorts.push_back(MeasureSort(row, options));
  PrintTable("Fill", fills, options);
  PrintTable("Sort", sorts, options);
  for (const ElementTypeRow& row : ElementTypeRows()) PrintPlacements(fills, row.type);
  std::printf("\nEvery run of both sides left the same bytes.\n");
  return 0;
}
