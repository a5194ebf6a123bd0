#include "auswertung/formats/formats.h"
#include "auswertung/model/type_ratios.h"
#include "auswertung/views/machine_text.h"

namespace zaveredo::auswertung {
namespace {

// Record texts are data, never markup: a "|" would end the cell, a line break the table, and
// "<" or "&" would reach a viewer as HTML.
std::string Cell(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '|':
      case '\\':
        out += '\\';
        out += c;
        break;
      case '<':
        out += "&lt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '\r':
      case '\n':
        out += ' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Row(const std::vector<std::string>& cells) {
  std::string line = "|";
  for (const std::string& cell : cells) line += " " + Cell(cell) + " |";
  return line + "\n";
}

// Header row and the alignment row: "l" left, "r" right for each column.
std::string Head(const std::vector<std::string>& headers, const std::string& alignment) {
  std::string line = "|";
  for (char a : alignment) line += a == 'r' ? "---:|" : "---|";
  return Row(headers) + line + "\n";
}

std::string Overview(const Report& report, const NumberStyle& style) {
  std::string out = "## Übersicht\n\nBasis: Maschine " + std::to_string(report.baseline) +
                    ". Index: geometrisches Mittel über die 32 Phasen von Zeit der Basis / Zeit "
                    "der Maschine (über 1 ist schneller), aus den Medianen der Läufe.\n\n";
  out += Head(
      {"Nr", "Kürzel", "Prozessor", "MHz", "CPUs", "Betriebssystem", "Läufe", "Summe (s)", "Index"},
      "rllrrlrrr");
  for (int number : report.ranking) {
    const Machine& m = report.MachineNumber(number);
    out += Row({std::to_string(number), InitialsText(m), m.description.processor,
                std::to_string(m.description.mhz.value_or(0)),
                std::to_string(m.description.processors.value_or(0)), m.description.os,
                std::to_string(m.records.size()), TimeText(m.Sum(), style),
                RatioText(report.ComparisonOf(number).geomean, style)});
  }
  const std::string zeroNote = ZeroPhasesNote(report);
  return out + (zeroNote.empty() ? "" : "\n" + zeroNote + "\n");
}

std::string AllAgainstBaseline(const Report& report, const NumberStyle& style) {
  std::string out =
      "\n## Vergleich mit der Basis (Maschine " + std::to_string(report.baseline) + ")\n\n";
  out += Head({"Nr", "Füllen", "Sortieren", "alle 32 Phasen", "schneller", "langsamer"}, "rrrrrr");
  for (const Comparison& c : report.comparisons) {
    if (c.machine == report.baseline) continue;
    out += Row({std::to_string(c.machine), RatioText(c.geomeanFill, style),
                RatioText(c.geomeanSort, style), RatioText(c.geomean, style),
                std::to_string(c.wins), std::to_string(c.losses)});
  }
  return out;
}

std::string PerType(const Report& report, const NumberStyle& style) {
  const int number = *report.compared;
  const Machine& base = report.MachineNumber(report.baseline);
  const Machine& other = report.MachineNumber(number);
  const Comparison& comparison = report.ComparisonOf(number);
  const std::string nr = "Nr. " + std::to_string(number);
  std::string out = "\n## Vergleich: Maschine " + std::to_string(number) + " gegen die Basis\n\n";
  out += Head({"Typ", "Füllen Basis (s)", "Füllen " + nr + " (s)", "Verhältnis",
               "Sortieren Basis (s)", "Sortieren " + nr + " (s)", "Verhältnis"},
              "lrrrrrr");
  for (int type = 0; type < kTypeCount; ++type) {
    std::vector<std::string> row{std::string(TypeName(type))};
    for (int phase : {FillPhase(type), SortPhase(type)}) {
      row.push_back(TimeText(base.times[phase], style));
      row.push_back(TimeText(other.times[phase], style));
      row.push_back(RatioText(comparison.ratios[phase], style));
    }
    out += Row(row);
  }
  return out;
}

std::string Types(const Report& report, const NumberStyle& style) {
  std::string out = "\n## Datentypen (Zeit geteilt durch die von double)\n\n";
  std::vector<std::string> headers{"Typ"};
  std::string alignment = "l";
  for (const Machine& m : report.machines) {
    headers.push_back("Nr. " + std::to_string(m.number) + " Füllen");
    headers.push_back("Nr. " + std::to_string(m.number) + " Sortieren");
    alignment += "rr";
  }
  out += Head(headers, alignment);
  for (int type = 0; type < kTypeCount; ++type) {
    std::vector<std::string> row{std::string(TypeName(type))};
    for (const Machine& m : report.machines) {
      row.push_back(RatioText(RelativeToDouble(m, FillPhase(type)), style));
      row.push_back(RatioText(RelativeToDouble(m, SortPhase(type)), style));
    }
    out += Row(row);
  }
  return out;
}

std::string Leftovers(const Report& report) {
  std::string out;
  for (const Record& r : report.collection.records) {
    if (r.state == RecordState::kComplete) continue;
    out += "- Nr. " + std::to_string(r.number) + " (" + Cell(*r.file) +
           "): " + Cell(WhyNotCompared(r)) + "\n";
  }
  std::string files;
  for (const FileError& error : report.collection.errors) {
    files += "- " + Cell(error.file) + ": " + Cell(error.reason) + "\n";
  }
  return (out.empty() ? "" : "\n## Nicht verglichene Datensätze\n\n" + out) +
         (files.empty() ? "" : "\n## Nicht gelesene Dateien\n\n" + files);
}

}  // namespace

std::string MarkdownReport(const Report& report, const NumberStyle& style) {
  std::string out = "# Auswertung der Datensätze von zaveredo2\n\n";
  if (report.machines.empty()) return out + "Kein vollständiger Datensatz.\n" + Leftovers(report);
  out += Overview(report, style);
  if (report.machines.size() > 1) out += AllAgainstBaseline(report, style);
  if (report.compared) out += PerType(report, style);
  if (report.types) out += Types(report, style);
  return out + Leftovers(report);
}

}  // namespace zaveredo::auswertung
