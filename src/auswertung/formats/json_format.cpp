#include <cmath>
#include <nlohmann/json.hpp>

#include "auswertung/formats/chunked_output.h"
#include "auswertung/formats/formats.h"
#include "auswertung/formats/json_record.h"

namespace zaveredo::auswertung {
namespace {

// Keys keep their order: the types as the benchmark runs them, the fields as documented.
using json = nlohmann::ordered_json;

// Derived numbers carry no more digits than they mean, so that every build prints the same.
json Rounded(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

json Optional(const std::optional<double>& value) {
  return value ? Rounded(*value, 6) : json(nullptr);
}

// {"real": {"fill": s, "sort": s}, ...} for the first `count` phases.
template <typename Value>
json TypeTimes(const Value& valueOf, int count) {
  json times = json::object();
  for (int phase = 0; phase < count; ++phase) {
    times[std::string(TypeName(TypeOfPhase(phase)))][IsFillPhase(phase) ? "fill" : "sort"] =
        valueOf(phase);
  }
  return times;
}

json SpreadJson(const PhaseSpread& spread) {
  return {{"min", spread.min},
          {"max", spread.max},
          {"relative", spread.relative < 0 ? json(nullptr) : Rounded(spread.relative, 6)},
          {"flagged", spread.Flagged()}};
}

json MachineJson(const Machine& machine) {
  return {{"number", machine.number},
          {"vendor", machine.description.vendor},
          {"processor", machine.description.processor},
          {"processors", machine.description.processors.value_or(0)},
          {"os", machine.description.os},
          {"mhz", machine.description.mhz.value_or(0)},
          {"records", machine.records},
          {"times", TypeTimes([&](int p) { return Rounded(machine.times[p], 5); }, kPhaseCount)},
          {"spread", TypeTimes([&](int p) { return SpreadJson(machine.spread[p]); }, kPhaseCount)}};
}

// [low, high] of the speed index's 95 % interval, null where the runs were too few.
json IndexInterval(const Comparison& comparison) {
  const auto& interval = comparison.significance.geomean;
  if (!interval) return nullptr;
  return json::array({Rounded(interval->low, 6), Rounded(interval->high, 6)});
}

json ComparisonJson(const Comparison& comparison) {
  return {{"machine", comparison.machine},
          {"geomean", Optional(comparison.geomean)},
          {"geomean_fill", Optional(comparison.geomeanFill)},
          {"geomean_sort", Optional(comparison.geomeanSort)},
          {"wins", comparison.wins},
          {"losses", comparison.losses},
          {"zero_phases", comparison.zeroPhases},
          {"noise_phases", comparison.noisePhases},
          {"geomean_interval", IndexInterval(comparison)}};
}

std::string Dumped(const json& value) {
  return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

void AppendMachine(std::string& out, const Machine& machine) {
  out += Dumped(MachineJson(machine));
}

// False once a write failed.
template <typename Items, typename Append>
bool WriteLines(ChunkedOutput& output, const Items& items, Append append) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    output.Text() += i == 0 ? "\n" : ",\n";
    append(output.Text(), items[i]);
    if (!output.Pass()) return false;
  }
  if (!items.empty()) output.Text() += "\n";
  return true;
}

}  // namespace

// Written piece by piece, one record or machine per line: a collection of 100,000 records would
// otherwise be built as one document of millions of small objects and indented to many times
// its size.
void WriteJsonReport(const Report& report, std::ostream& out) {
  ChunkedOutput output(out);
  output.Text() += "{\"schema\": 1,\n\"records\": [";
  if (!WriteLines(output, report.collection.records, AppendRecordJson)) return;
  output.Text() += "],\n\"machines\": [";
  if (!WriteLines(output, report.machines, AppendMachine)) return;
  json comparison = json::array();
  for (const Comparison& entry : report.comparisons) {
    if (entry.machine != report.baseline) comparison.push_back(ComparisonJson(entry));
  }
  json errors = json::array();
  for (const FileError& error : report.collection.errors) {
    errors.push_back({{"file", error.file}, {"reason", error.reason}});
  }
  std::string& text = output.Text();
  text += "],\n\"baseline\": " +
          (report.baseline > 0 ? std::to_string(report.baseline) : std::string("null"));
  text += ",\n\"comparison\": " + Dumped(comparison);
  text += ",\n\"file_errors\": " + Dumped(errors) + "}\n";
  output.Finish();
}

}  // namespace zaveredo::auswertung
