#include "auswertung/views/overview_view.h"

#include <algorithm>
#include <optional>

#include "auswertung/views/machine_text.h"
#include "auswertung/views/processor_label.h"
#include "auswertung/views/significance_text.h"

namespace zaveredo::auswertung {
namespace {

// Numbers are never cut; the texts are cut so that the usual console line stays within 100
// characters. The processor label is fitted to its column, so that its model number stays.
std::vector<Column> OverviewColumns() {
  return {{"Nr", Align::kRight},
          {"Kürzel", Align::kLeft, "", 8},
          {"Prozessor", Align::kLeft, "", 19, true},
          {"MHz", Align::kRight},
          {"CPUs", Align::kRight},
          {"Betriebssystem", Align::kLeft, "", 14},
          {"Läufe", Align::kRight},
          {"Summe", Align::kRight, "s"},
          {"Index", Align::kRight},
          {"Streuung", Align::kRight}};
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

// Each machine tested against the baseline with its index interval, fastest first.
std::optional<ItemList> IndexIntervals(const Report& report, const NumberStyle& style) {
  ItemList list{
      "Index mit Intervall, wo die Maschine und die Basis mindestens drei Läufe haben\n"
      "(95 %, Bootstrap über die Läufe):",
      {}};
  for (int number : report.ranking) {
    const Comparison& comparison = report.ComparisonOf(number);
    if (!comparison.Tested()) continue;
    list.items.push_back("Nr. " + std::to_string(number) + ": " +
                         RatioText(comparison.geomean, style) +
                         " (95 %: " + IntervalText(*comparison.significance.geomean, style) + ")");
  }
  if (list.items.empty()) return std::nullopt;
  return list;
}

}  // namespace

View OverviewView(const Report& report, const NumberStyle& style) {
  const int machines = static_cast<int>(report.machines.size());
  View view{ViewKind::kOverview,
            "Übersicht: " + std::to_string(machines) +
                (machines == 1 ? " Maschine" : " Maschinen") + " aus " +
                std::to_string(CompleteRecords(report)) +
                " vollständigen Datensätzen, schnellste zuerst",
            {}};
  Table table{"", OverviewColumns(), {}};
  for (int number : report.ranking) {
    const Machine& machine = report.MachineNumber(number);
    table.rows.push_back(
        {std::to_string(number), InitialsText(machine),
         ProcessorLabel(machine.description.processor),
         std::to_string(machine.description.mhz.value_or(0)),
         std::to_string(machine.description.processors.value_or(0)), machine.description.os,
         std::to_string(machine.records.size()), TimeText(machine.Sum(), style),
         RatioText(report.ComparisonOf(number).geomean, style), LargestSpread(machine, style)});
  }
  view.blocks.emplace_back(std::move(table));
  view.blocks.emplace_back(
      Paragraph{"Index: geometrisches Mittel über die 32 Phasen von Zeit der Basis (Maschine " +
                std::to_string(report.baseline) +
                ") / Zeit der Maschine,\naus den Medianen der Läufe; über 1 ist schneller. "
                "Streuung: größte über die Phasen, max/min − 1."});
  const std::string zeroNote = ZeroPhasesNote(report);
  if (!zeroNote.empty()) view.blocks.emplace_back(Paragraph{zeroNote});
  if (auto intervals = IndexIntervals(report, style)) view.blocks.emplace_back(*intervals);
  return view;
}

}  // namespace zaveredo::auswertung
