#include <cstdio>

#include "auswertung/formats.h"

namespace zaveredo::auswertung {
namespace {

// Quoted when it holds a comma, a quote or a line break; quotes doubled.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string PlainTime(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4f", seconds);
  return buffer;
}

std::string Header() {
  std::string line =
      "nummer,datei,maschine,vollstaendig,hersteller,prozessor,mhz,prozessoren,"
      "betriebssystem,kuerzel";
  for (int phase = 0; phase < kPhaseCount; ++phase) {
    line += "," + std::string(TypeName(TypeOfPhase(phase))) +
            (IsFillPhase(phase) ? "_fuellen" : "_sortieren");
  }
  return line + "\r\n";
}

std::string Optional(const std::optional<long long>& number) {
  return number ? std::to_string(*number) : "";
}

// Machine numbers by record number, 0 for records outside every machine.
std::vector<int> MachineOfRecords(const Report& report) {
  std::vector<int> machineOf(report.collection.records.size() + 1, 0);
  for (const Machine& machine : report.machines) {
    for (int record : machine.records) machineOf[record] = machine.number;
  }
  return machineOf;
}

}  // namespace

std::string CsvReport(const Report& report) {
  std::string out = Header();
  const std::vector<int> machineOf = MachineOfRecords(report);
  for (const Record& record : report.collection.records) {
    const int machine = machineOf[record.number];
    out += std::to_string(record.number) + "," + CsvField(record.file) + "," +
           (machine > 0 ? std::to_string(machine) : "") + "," +
           (record.state == RecordState::kComplete ? "ja" : "nein") + "," +
           CsvField(record.vendor) + "," + CsvField(record.processor) + "," + Optional(record.mhz) +
           "," + Optional(record.processors) + "," + CsvField(record.os) + "," +
           CsvField(record.initials);
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      out += ",";
      if (phase < static_cast<int>(record.times.size())) out += PlainTime(record.times[phase]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace zaveredo::auswertung
