#include <cmath>
#include <nlohmann/json.hpp>

#include "auswertung/formats.h"

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

json Optional(const std::optional<long long>& value) {
  return value ? json(*value) : json(nullptr);
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

const char* StateName(RecordState state) {
  switch (state) {
    case RecordState::kComplete:
      return "complete";
    case RecordState::kIncomplete:
      return "incomplete";
    case RecordState::kUnreadable:
      return "unreadable";
    case RecordState::kForeign:
      break;
  }
  return "foreign";
}

json RecordJson(const Record& record) {
  json notes = record.notes;
  if (!record.reason.empty()) notes.push_back(record.reason);
  const auto& times = record.times;
  return {{"number", record.number},
          {"file", record.file},
          {"complete", record.state == RecordState::kComplete},
          {"state", StateName(record.state)},
          {"notes", notes},
          {"vendor", record.vendor},
          {"processor", record.processor},
          {"mhz", Optional(record.mhz)},
          {"processors", Optional(record.processors)},
          {"os", record.os},
          {"initials", record.initials},
          {"times", TypeTimes([&](int p) { return times[p]; }, static_cast<int>(times.size()))}};
}

json SpreadJson(const PhaseSpread& spread) {
  return {{"min", spread.min},
          {"max", spread.max},
          {"relative", spread.relative < 0 ? json(nullptr) : Rounded(spread.relative, 6)},
          {"flagged", spread.Flagged()}};
}

json MachineJson(const Machine& machine) {
  return {{"number", machine.number},
          {"vendor", machine.vendor},
          {"processor", machine.processor},
          {"processors", machine.processors},
          {"os", machine.os},
          {"mhz", machine.mhz},
          {"records", machine.records},
          {"times", TypeTimes([&](int p) { return Rounded(machine.times[p], 5); }, kPhaseCount)},
          {"spread", TypeTimes([&](int p) { return SpreadJson(machine.spread[p]); }, kPhaseCount)}};
}

json ComparisonJson(const Comparison& comparison) {
  return {{"machine", comparison.machine},
          {"geomean", Optional(comparison.geomean)},
          {"geomean_fill", Optional(comparison.geomeanFill)},
          {"geomean_sort", Optional(comparison.geomeanSort)},
          {"wins", comparison.wins},
          {"losses", comparison.losses},
          {"zero_phases", comparison.zeroPhases}};
}

}  // namespace

std::string JsonReport(const Report& report) {
  json records = json::array(), machines = json::array(), comparison = json::array();
  for (const Record& record : report.collection.records) records.push_back(RecordJson(record));
  for (const Machine& machine : report.machines) machines.push_back(MachineJson(machine));
  for (const Comparison& entry : report.comparisons) {
    if (entry.machine != report.baseline) comparison.push_back(ComparisonJson(entry));
  }
  json errors = json::array();
  for (const FileError& error : report.collection.errors) {
    errors.push_back({{"file", error.file}, {"reason", error.reason}});
  }
  json out = {{"schema", 1},
              {"records", std::move(records)},
              {"machines", std::move(machines)},
              {"baseline", report.baseline > 0 ? json(report.baseline) : json(nullptr)},
              {"comparison", std::move(comparison)},
              {"file_errors", std::move(errors)}};
  return out.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace zaveredo::auswertung
