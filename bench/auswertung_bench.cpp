// The report tool on large collections: N records (about 340 bytes each, 1,000,000 make about
// 340 MB) from 500 machines, read from a file and reported; the heap the records hold, and the
// peak resident memory of a whole read and report.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "auswertung/formats/render.h"
#include "auswertung/model/collection.h"
#include "auswertung/model/report.h"

namespace zaveredo::auswertung {
namespace {

constexpr int kMachines = 500;

// A run of machine m: times that vary by up to 10 % from run to run, German and English
// separators alternating by machine, and on one machine a sort over 1,000 s with grouping.
std::string MakeRecord(int run) {
  const int machine = run % kMachines;
  const bool german = machine % 2 == 0;
  std::string record = "GenuineIntel;Intel(R) Pentium(R) 4 CPU 3.00GHz Modell " +
                       std::to_string(machine) + "/x86 Family 15 Model 4 Stepping 3;2993;2;" +
                       "Windows XP Service Pack 2;R" + std::to_string(run % 1000) + ";";
  for (int phase = 0; phase < 32; ++phase) {
    const long long base = 4000 + (machine * 997 + phase * 131) % 20000;
    const long long ticks = base + base * ((run * 17 + phase) % 100) / 1000 +
                            (phase == 3 && machine == 7 ? 12'340'000 : 0);
    char text[32];
    const long long whole = ticks / 10000;
    if (whole >= 1000) {
      std::snprintf(text, sizeof text, german ? "%lld.%03lld,%04lld;" : "%lld,%03lld.%04lld;",
                    whole / 1000, whole % 1000, ticks % 10000);
    } else {
      std::snprintf(text, sizeof text, german ? "%lld,%04lld;" : "%lld.%04lld;", whole,
                    ticks % 10000);
    }
    record += text;
  }
  return record;
}

// The generated collections, one file per size in a folder of this process, made once and
// removed when the program ends.
class CollectionFiles {
 public:
  CollectionFiles() {
    std::random_device seed;
    do {
      folder_ = std::filesystem::temp_directory_path() /
                ("zav-auswertung-bench." + std::to_string(seed()));
    } while (!std::filesystem::create_directory(folder_));
  }
  ~CollectionFiles() { std::filesystem::remove_all(folder_); }
  CollectionFiles(const CollectionFiles&) = delete;
  CollectionFiles& operator=(const CollectionFiles&) = delete;

  std::string Of(int records) {
    const std::string path = (folder_ / (std::to_string(records) + ".txt")).string();
    if (!std::filesystem::exists(path)) {
      std::ofstream file(path, std::ios::binary);
      for (int run = 0; run < records; ++run) file << (run > 0 ? "\r\n" : "") << MakeRecord(run);
    }
    return path;
  }

 private:
  std::filesystem::path folder_;
};

std::string MakeFile(int records) {
  static CollectionFiles files;
  return files.Of(records);
}

// Read from the file, grouped, compared and written as a report in the format.
void ReadAndReport(benchmark::State& state, Format format) {
  const std::string path = MakeFile(static_cast<int>(state.range(0)));
  const NumberStyle style{",", "."};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const Report report = BuildReport(ReadCollection({path}), Options{});
    const std::string text = RenderReport(report, format, style);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  state.counters["report_bytes"] = static_cast<double>(bytes);
}

// The heap that the read collection holds, per record: memory grows linearly when it stays flat.
void HeapPerRecord(benchmark::State& state) {
  const std::string path = MakeFile(static_cast<int>(state.range(0)));
  double perRecord = 0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    Collection collection = ReadCollection({path});
    const std::size_t after = mallinfo2().uordblks;
    perRecord = static_cast<double>(after - before) / static_cast<double>(state.range(0));
    benchmark::DoNotOptimize(collection.records.size());
  }
  state.counters["heap_bytes_per_record"] = perRecord;
}

// The peak resident memory (VmHWM) of a process that reads the file and writes the report in
// the format onto a file (/dev/null), as a run of the program does: a child of its own with its
// high-water mark reset, so that what this process held before counts only as far as it is still
// resident.
long PeakKilobytesOfOneReport(const std::string& path, Format format) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    // The high-water mark starts at what the child has now, not at what this process once held.
    if (std::FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
      std::fputs("5", clear);
      std::fclose(clear);
    }
    {
      const Report report = BuildReport(ReadCollection({path}), Options{});
      std::ofstream discard("/dev/null", std::ios::binary);
      WriteReport(report, format, NumberStyle{",", "."}, discard);
    }
    long peak = -1;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
      char line[256];
      while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmHWM: %ld kB", &peak) == 1) break;
      }
      std::fclose(status);
    }
    const ssize_t written = write(pipeEnds[1], &peak, sizeof peak);
    _exit(written == sizeof peak ? 0 : 1);
  }
  close(pipeEnds[1]);
  long peak = -1;
  if (child < 0 || read(pipeEnds[0], &peak, sizeof peak) != sizeof peak) peak = -1;
  close(pipeEnds[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return peak;
}

void PeakMemory(benchmark::State& state, Format format) {
  const std::string path = MakeFile(static_cast<int>(state.range(0)));
  long peak = -1;
  for (auto _ : state) peak = PeakKilobytesOfOneReport(path, format);
  if (peak < 0) state.SkipWithError("the child process did not report its memory");
  state.counters["peak_RSS_MB"] = static_cast<double>(peak) / 1024.0;
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}

// Each measurement starts from a fresh read, as a run of the program does: one iteration,
// repeated three times, the median reported (on a shared machine the minimum is the fairer
// figure: --benchmark_report_aggregates_only=false shows each repetition).
void FreshReads(benchmark::internal::Benchmark* b) {
  b->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(ReadAndReport, text, Format::kText)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Apply(FreshReads);
BENCHMARK_CAPTURE(ReadAndReport, json, Format::kJson)->Arg(100'000)->Apply(FreshReads);
BENCHMARK_CAPTURE(ReadAndReport, csv, Format::kCsv)->Arg(100'000)->Apply(FreshReads);
BENCHMARK_CAPTURE(ReadAndReport, html, Format::kHtml)->Arg(100'000)->Apply(FreshReads);
BENCHMARK(HeapPerRecord)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeakMemory, text, Format::kText)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeakMemory, csv, Format::kCsv)->Arg(1'000'000)->Iterations(1);
BENCHMARK_CAPTURE(PeakMemory, json, Format::kJson)->Arg(1'000'000)->Iterations(1);

}  // namespace
}  // namespace zaveredo::auswertung

BENCHMARK_MAIN();
