#include "auswertung/formats/chunked_output.h"
#include "auswertung/formats/formats.h"
#include "auswertung/formats/seconds_text.h"

namespace zaveredo::auswertung {
namespace {

// Quoted when it holds a comma, a quote or a line break; quotes doubled.
void AppendField(std::string& out, const std::string& text) {
  out += ',';
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendOptional(std::string& out, const std::optional<long long>& number) {
  out += ',';
  if (number) AppendWholeNumber(out, *number);
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

// Machine numbers by record number, 0 for records outside every machine.
std::vector<int> MachineOfRecords(const Report& report) {
  std::vector<int> machineOf(report.collection.records.size() + 1, 0);
  for (const Machine& machine : report.machines) {
    for (int record : machine.records) machineOf[record] = machine.number;
  }
  return machineOf;
}

void AppendRecord(std::string& out, const Record& record, int machine) {
  AppendWholeNumber(out, record.number);
  AppendField(out, *record.file);
  out += ',';
  if (machine > 0) AppendWholeNumber(out, machine);
  out += record.state == RecordState::kComplete ? ",ja" : ",nein";
  const MachineDescription& d = *record.description;
  AppendField(out, d.vendor);
  AppendField(out, d.processor);
  AppendOptional(out, d.mhz);
  AppendOptional(out, d.processors);
  AppendField(out, d.os);
  AppendField(out, d.initials);
  for (std::size_t phase = 0; phase < kPhaseCount; ++phase) {
    out += ',';
    if (phase < record.times.size()) AppendSeconds(out, record.times[phase], Decimals::kFour);
  }
  out += "\r\n";
}

}  // namespace

void WriteCsvReport(const Report& report, std::ostream& out) {
  ChunkedOutput output(out);
  output.Text() += Header();
  const std::vector<int> machineOf = MachineOfRecords(report);
  for (const Record& record : report.collection.records) {
    AppendRecord(output.Text(), record, machineOf[record.number]);
    if (!output.Pass()) return;
  }
  output.Finish();
}

}  // namespace zaveredo::auswertung
