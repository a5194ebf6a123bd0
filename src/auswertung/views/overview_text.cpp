#include <algorithm>
#include <optional>

#include "auswertung/formats/text_table.h"
#include "auswertung/views/machine_text.h"
#include "auswertung/views/processor_label.h"
#include "auswertung/views/significance_text.h"
#include "auswertung/views/text_views.h"

namespace zaveredo::auswertung {
namespace {

// Numbers are never cut; the texts are cut so that the usual line stays within 100 characters.
// The processor label is fitted to its column beforehand, so that its model number stays.
constexpr std::size_t kProcessorWidth = 19;

TextTable OverviewTable() {
  return TextTable({{"Nr", Align::kRight},
                    {"Kürzel", Align::kLeft, 8},
                    {"Prozessor", Align::kLeft, kProcessorWidth},
                    {"MHz", Align::kRight},
                    {"CPUs", Align::kRight},
                    {"Betriebssystem", Align::kLeft, 14},
                    {"Läufe", Align::kRight},
                    {"Summe (s)", Align::kRight},
                    {"Index", Align::kRight},
                    {"Streuung", Align::kRight}});
}

// The largest spread over the phases of a machine with several runs. A phase with a run of
// 0,0000 has no ratio and is left out, as in the index; "–" only when no phase is left.
std::string LargestSpread(const Machine& machine, const NumberStyle& style) {
  if (machine.records.size() < 2) return "";
  std::optional<double> largest;
  for (const PhaseSpread& spread : machine.spread) {
    if (spread.relative >= 0) largest = std::max(largest.value_or(0), spread.relative);
  }
  if (!largest) return "–";
  return PercentText(*largest, style) + (*largest > kSpreadLimit ? "!" : "");
}

}  // namespace

std::string OverviewText(const Report& report, const NumberStyle& style) {
  const int machines = static_cast<int>(report.machines.size());
  std::string out = "Übersicht: " + std::to_string(machines) +
                    (machines == 1 ? " Maschine" : " Maschinen") + " aus " +
                    std::to_string(CompleteRecords(report)) +
                    " vollständigen Datensätzen, schnellste zuerst\n\n";
  TextTable table = OverviewTable();
  for (int number : report.ranking) {
    const Machine& machine = report.MachineNumber(number);
    table.AddRow(
        {std::to_string(number), InitialsText(machine),
         FittedProcessorLabel(ProcessorLabel(machine.description.processor), kProcessorWidth),
         std::to_string(machine.description.mhz.value_or(0)),
         std::to_string(machine.description.processors.value_or(0)), machine.description.os,
         std::to_string(machine.records.size()), TimeText(machine.Sum(), style),
         RatioText(report.ComparisonOf(number).geomean, style), LargestSpread(machine, style)});
  }
  out += table.Render();
  out += "\nIndex: geometrisches Mittel über die 32 Phasen von Zeit der Basis (Maschine " +
         std::to_string(report.baseline) +
         ") / Zeit der Maschine,\naus den Medianen der Läufe; über 1 ist schneller. "
         "Streuung: größte über die Phasen, max/min − 1.\n";
  const std::string zeroNote = ZeroPhasesNote(report);
  if (!zeroNote.empty()) out += WrappedText(zeroNote, kLineWidth, 0);
  out += IndexIntervalsText(report, style);
  return out;
}

}  // namespace zaveredo::auswertung
