#include "auswertung/views/comparison_view.h"

#include "auswertung/views/machine_text.h"
#include "auswertung/views/significance_text.h"

namespace zaveredo::auswertung {
namespace {

std::string Faster(double base, double other, int number, bool inNoise) {
  if (inNoise) return kInNoise;
  if (other < base) return "Nr. " + std::to_string(number);
  return other > base ? "Basis" : "gleich";
}

Table PhaseTable(const Report& report, int number, const NumberStyle& style) {
  const std::string other = "Nr. " + std::to_string(number);
  Table table{"",
              {{"Typ", Align::kLeft, "", 8},
               {"Füllen Basis", Align::kRight, "", 12},
               {"Füllen " + other, Align::kRight, "", 12},
               {"Verh.", Align::kRight, "", 6},
               {"schneller", Align::kLeft, "", 9},
               {"Sort. Basis", Align::kRight, "", 11},
               {"Sort. " + other, Align::kRight, "", 11},
               {"Verh.", Align::kRight, "", 6},
               {"schneller", Align::kLeft, "", 9}},
              {}};
  const Machine& base = report.MachineNumber(report.baseline);
  const Machine& machine = report.MachineNumber(number);
  const Comparison& comparison = report.ComparisonOf(number);
  for (int type = 0; type < kTypeCount; ++type) {
    std::vector<std::string> row{std::string(TypeName(type))};
    for (int phase : {FillPhase(type), SortPhase(type)}) {
      row.push_back(TimeText(base.times[phase], style));
      row.push_back(TimeText(machine.times[phase], style));
      row.push_back(RatioText(comparison.ratios[phase], style));
      row.push_back(Faster(base.times[phase], machine.times[phase], number, false));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

// Where the test applies, fills and sorts each get a table, with room for the interval and for
// "gleich (im Rauschen)".
Table TestedPhaseTable(const Report& report, int number, bool fills, const NumberStyle& style) {
  const std::string other = "Nr. " + std::to_string(number);
  const std::string kind = fills ? "Füllen " : "Sort. ";
  Table table{"",
              {{"Typ", Align::kLeft, "", 8},
               {kind + "Basis", Align::kRight, "", 12},
               {kind + other, Align::kRight, "", 12},
               {"Verh.", Align::kRight, "", 6},
               {"95 % des Verh.", Align::kRight, "", 16},
               {"schneller", Align::kLeft, "", 20}},
              {}};
  const Machine& base = report.MachineNumber(report.baseline);
  const Machine& machine = report.MachineNumber(number);
  const Comparison& comparison = report.ComparisonOf(number);
  for (int type = 0; type < kTypeCount; ++type) {
    const int phase = fills ? FillPhase(type) : SortPhase(type);
    const auto& interval = comparison.significance.ratios[phase];
    table.rows.push_back(
        {std::string(TypeName(type)), TimeText(base.times[phase], style),
         TimeText(machine.times[phase], style), RatioText(comparison.ratios[phase], style),
         interval ? IntervalText(*interval, style) : "–",
         Faster(base.times[phase], machine.times[phase], number, comparison.InNoise(phase))});
  }
  return table;
}

void AddSummary(View& view, const Comparison& comparison, const NumberStyle& style) {
  const int ties = kPhaseCount - comparison.wins - comparison.losses;
  view.blocks.emplace_back(Paragraph{"Geometrisches Mittel (Basis / Nr. " +
                                     std::to_string(comparison.machine) + "): Füllen " +
                                     RatioText(comparison.geomeanFill, style) + ", Sortieren " +
                                     RatioText(comparison.geomeanSort, style) +
                                     ", alle 32 Phasen " + RatioText(comparison.geomean, style)});
  std::string counts = "Maschine " + std::to_string(comparison.machine) + " ist in " +
                       std::to_string(comparison.wins) + " Phasen schneller, in " +
                       std::to_string(comparison.losses) + " langsamer, in " +
                       std::to_string(ties) + " gleich";
  if (comparison.noisePhases > 0) {
    counts += ", davon " + std::to_string(comparison.noisePhases) + " im Rauschen";
  }
  view.blocks.emplace_back(Paragraph{counts + "."});
  if (comparison.Tested()) {
    view.blocks.emplace_back(
        Paragraph{"Index: " + RatioText(comparison.geomean, style) +
                  " (95 %: " + IntervalText(*comparison.significance.geomean, style) + ")"});
  }
}

}  // namespace

View ComparisonView(const Report& report, const NumberStyle& style) {
  const int number = *report.compared;
  View view{ViewKind::kComparison,
            "Vergleich: Maschine " + std::to_string(number) + " gegen die Basis, Maschine " +
                std::to_string(report.baseline),
            {}};
  view.blocks.emplace_back(
      Paragraph{"Basis: " + MachineDescriptionText(report.MachineNumber(report.baseline)), 2, 9});
  view.blocks.emplace_back(Paragraph{
      "Nr. " + std::to_string(number) + ": " + MachineDescriptionText(report.MachineNumber(number)),
      2, 9});
  view.blocks.emplace_back(Paragraph{
      "Zeiten in Sekunden (Mediane der Läufe); Verh. = Basis / Nr. " + std::to_string(number) +
      ", über 1 ist Nr. " + std::to_string(number) + " schneller."});
  const Comparison& comparison = report.ComparisonOf(number);
  if (comparison.Tested()) {
    view.blocks.emplace_back(Paragraph{
        "Beide Maschinen haben mindestens drei Läufe: \"95 % des Verh.\" ist das Intervall, in "
        "dem das Verhältnis der Mediane bei 1000 Ziehungen aus den Läufen (Bootstrap, "
        "immer gleich gezogen) zu 95 % liegt. Enthält es die 1, ist der Unterschied "
        "\"gleich (im Rauschen)\" und zählt weder als schneller noch als langsamer.",
        0, 0, true});
    view.blocks.emplace_back(TestedPhaseTable(report, number, true, style));
    view.blocks.emplace_back(TestedPhaseTable(report, number, false, style));
  } else {
    view.blocks.emplace_back(PhaseTable(report, number, style));
  }
  AddSummary(view, comparison, style);
  return view;
}

}  // namespace zaveredo::auswertung
