#include "auswertung/formats/formats.h"
#include "auswertung/formats/html_text.h"
#include "auswertung/formats/svg_chart.h"
#include "auswertung/views/machine_text.h"
#include "auswertung/views/processor_label.h"

namespace zaveredo::auswertung {
namespace {

// Printable, readable at 1280 px, and nothing loaded from elsewhere.
constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 2em auto; max-width: 1000px; color: #222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.6em; }
table { border-collapse: collapse; font-size: 0.9em; }
th, td { border-bottom: 1px solid #ccc; padding: 0.25em 0.6em; text-align: left; }
th { white-space: nowrap; }
td.zahl, th.zahl { text-align: right; font-variant-numeric: tabular-nums; }
svg.diagramm { display: block; max-width: 100%; height: auto; margin: 0.8em 0; }
svg text { font-family: sans-serif; font-size: 13px; fill: #222; }
svg text.titel { font-size: 15px; font-weight: bold; }
svg text.wert { font-size: 12px; }
.gitter { stroke: #ddd; stroke-width: 1; }
.achslinie { stroke: #444; stroke-width: 1.2; }
.bezug { stroke: #c00; stroke-width: 1.5; stroke-dasharray: 4 3; }
.index { fill: #4e79a7; }
.fuellen { fill: #59a14f; }
.sortieren { fill: #e15759; }
.typen { display: grid; grid-template-columns: 1fr; }
@media print { body { margin: 0; max-width: none; } svg.diagramm { break-inside: avoid; } }
</style>
)";

std::string Cell(const std::string& text, bool number = false) {
  return std::string(number ? "<td class=\"zahl\">" : "<td>") + HtmlEscaped(text) + "</td>";
}

std::string HeaderCells(const std::vector<std::pair<std::string, bool>>& headers) {
  std::string row = "<tr>";
  for (const auto& [text, number] : headers) {
    row += std::string(number ? "<th class=\"zahl\">" : "<th>") + HtmlEscaped(text) + "</th>";
  }
  return row + "</tr>\n";
}

std::string OverviewTable(const Report& report, const NumberStyle& style) {
  std::string out = "<table>\n" + HeaderCells({{"Nr", true},
                                               {"Kürzel", false},
                                               {"Prozessor", false},
                                               {"MHz", true},
                                               {"CPUs", true},
                                               {"Betriebssystem", false},
                                               {"Läufe", true},
                                               {"Summe (s)", true},
                                               {"Index", true}});
  for (int number : report.ranking) {
    const Machine& m = report.MachineNumber(number);
    out += "<tr>" + Cell(std::to_string(number), true) + Cell(InitialsText(m)) +
           Cell(m.description.vendor + " " + m.description.processor) +
           Cell(std::to_string(m.description.mhz.value_or(0)), true) +
           Cell(std::to_string(m.description.processors.value_or(0)), true) +
           Cell(m.description.os) + Cell(std::to_string(m.records.size()), true) +
           Cell(TimeText(m.Sum(), style), true) +
           Cell(RatioText(report.ComparisonOf(number).geomean, style), true) + "</tr>\n";
  }
  return out + "</table>\n";
}

std::string ComparisonTable(const Report& report, const NumberStyle& style) {
  std::string out =
      "<h2>Vergleich mit der Basis</h2>\n<p>Geometrische Mittel von Zeit der Basis / "
      "Zeit der Maschine; gewonnene und verlorene Phasen.</p>\n<table>\n" +
      HeaderCells({{"Nr", true},
                   {"Füllen", true},
                   {"Sortieren", true},
                   {"alle 32 Phasen", true},
                   {"schneller", true},
                   {"langsamer", true}});
  for (int number : report.ranking) {
    if (number == report.baseline) continue;
    const Comparison& c = report.ComparisonOf(number);
    out += "<tr>" + Cell(std::to_string(number), true) +
           Cell(RatioText(c.geomeanFill, style), true) +
           Cell(RatioText(c.geomeanSort, style), true) + Cell(RatioText(c.geomean, style), true) +
           Cell(std::to_string(c.wins), true) + Cell(std::to_string(c.losses), true) + "</tr>\n";
  }
  return out + "</table>\n";
}

// The chart cuts its labels at 40 characters: the processor label is fitted into what is left
// beside a number of up to three digits, so that its model number stays.
std::string BarLabel(const Machine& machine) {
  return "Nr. " + std::to_string(machine.number) + " " +
         FittedProcessorLabel(ProcessorLabel(machine.description.processor), 32);
}

std::string IndexSvg(const Report& report, const NumberStyle& style) {
  IndexChart chart;
  chart.title = "Geschwindigkeitsindex je Maschine";
  chart.axisTitle =
      "Index (Basis Nr. " + std::to_string(report.baseline) + " = 1, über 1 ist schneller)";
  for (int number : report.ranking) {
    chart.bars.push_back(
        {BarLabel(report.MachineNumber(number)), report.ComparisonOf(number).geomean});
  }
  return IndexChartSvg(chart, style);
}

std::string TypeSvg(const Report& report, int type, const NumberStyle& style) {
  GroupedChart chart;
  chart.title = std::string(TypeName(type)) + ": Füllen und Sortieren je Maschine";
  chart.axisTitle = "Zeit (s)";
  chart.series = {{"Füllen", "fuellen", {}}, {"Sortieren", "sortieren", {}}};
  for (const Machine& m : report.machines) {
    chart.groups.push_back("Nr. " + std::to_string(m.number));
    chart.series[0].values.push_back(m.times[FillPhase(type)]);
    chart.series[1].values.push_back(m.times[SortPhase(type)]);
  }
  return GroupedChartSvg(chart, style);
}

std::string Leftovers(const Report& report) {
  std::string records, files;
  for (const Record& r : report.collection.records) {
    if (r.state == RecordState::kComplete) continue;
    records += "<li>Nr. " + std::to_string(r.number) + " (" + HtmlEscaped(*r.file) +
               "): " + HtmlEscaped(WhyNotCompared(r)) + "</li>\n";
  }
  for (const FileError& error : report.collection.errors) {
    files += "<li>" + HtmlEscaped(error.file) + ": " + HtmlEscaped(error.reason) + "</li>\n";
  }
  return (records.empty() ? ""
                          : "<h2>Nicht verglichene Datensätze</h2>\n<ul>\n" + records + "</ul>\n") +
         (files.empty() ? "" : "<h2>Nicht gelesene Dateien</h2>\n<ul>\n" + files + "</ul>\n");
}

std::string Body(const Report& report, const NumberStyle& style) {
  if (report.machines.empty()) return "<p>Kein vollständiger Datensatz.</p>\n";
  std::string out = "<h2>Übersicht</h2>\n<p>Basis: Maschine " + std::to_string(report.baseline) +
                    ". Index: geometrisches Mittel über die 32 Phasen von Zeit der Basis / Zeit "
                    "der Maschine, aus den Medianen der Läufe; über 1 ist schneller.</p>\n";
  out += OverviewTable(report, style);
  const std::string zeroNote = ZeroPhasesNote(report);
  if (!zeroNote.empty()) out += "<p>" + HtmlEscaped(zeroNote) + "</p>\n";
  out += IndexSvg(report, style);
  if (report.machines.size() > 1) out += ComparisonTable(report, style);
  out +=
      "<h2>Zeiten je Datentyp</h2>\n<p>Mediane der Läufe in Sekunden; kürzer ist "
      "schneller.</p>\n<div class=\"typen\">\n";
  for (int type = 0; type < kTypeCount; ++type) out += TypeSvg(report, type, style);
  return out + "</div>\n";
}

}  // namespace

std::string HtmlReport(const Report& report, const NumberStyle& style) {
  return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>Auswertung zaveredo2</title>\n" +
         std::string(kStyle) +
         "</head>\n<body>\n<h1>Auswertung der Datensätze von zaveredo2</h1>\n" +
         Body(report, style) + Leftovers(report) + "</body>\n</html>\n";
}

}  // namespace zaveredo::auswertung
