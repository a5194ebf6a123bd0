#include "auswertung/formats/text_table.h"
#include "auswertung/views/machine_text.h"
#include "auswertung/views/significance_text.h"
#include "auswertung/views/text_views.h"

namespace zaveredo::auswertung {
namespace {

std::string Faster(double base, double other, int number, bool inNoise) {
  if (inNoise) return kInNoise;
  if (other < base) return "Nr. " + std::to_string(number);
  return other > base ? "Basis" : "gleich";
}

TextTable PhaseTable(const Report& report, int number, const NumberStyle& style) {
  const std::string other = "Nr. " + std::to_string(number);
  TextTable table({{"Typ", Align::kLeft, 8},
                   {"Füllen Basis", Align::kRight, 12},
                   {"Füllen " + other, Align::kRight, 12},
                   {"Verh.", Align::kRight, 6},
                   {"schneller", Align::kLeft, 9},
                   {"Sort. Basis", Align::kRight, 11},
                   {"Sort. " + other, Align::kRight, 11},
                   {"Verh.", Align::kRight, 6},
                   {"schneller", Align::kLeft, 9}});
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
    table.AddRow(std::move(row));
  }
  return table;
}

// Where the test applies, fills and sorts each get a table, with room for the interval and for
// "gleich (im Rauschen)".
TextTable TestedPhaseTable(const Report& report, int number, bool fills, const NumberStyle& style) {
  const std::string other = "Nr. " + std::to_string(number);
  const std::string kind = fills ? "Füllen " : "Sort. ";
  TextTable table({{"Typ", Align::kLeft, 8},
                   {kind + "Basis", Align::kRight, 12},
                   {kind + other, Align::kRight, 12},
                   {"Verh.", Align::kRight, 6},
                   {"95 % des Verh.", Align::kRight, 16},
                   {"schneller", Align::kLeft, 20}});
  const Machine& base = report.MachineNumber(report.baseline);
  const Machine& machine = report.MachineNumber(number);
  const Comparison& comparison = report.ComparisonOf(number);
  for (int type = 0; type < kTypeCount; ++type) {
    const int phase = fills ? FillPhase(type) : SortPhase(type);
    const auto& interval = comparison.significance.ratios[phase];
    table.AddRow(
        {std::string(TypeName(type)), TimeText(base.times[phase], style),
         TimeText(machine.times[phase], style), RatioText(comparison.ratios[phase], style),
         interval ? IntervalText(*interval, style) : "–",
         Faster(base.times[phase], machine.times[phase], number, comparison.InNoise(phase))});
  }
  return table;
}

std::string Summary(const Comparison& comparison, const NumberStyle& style) {
  const int ties = kPhaseCount - comparison.wins - comparison.losses;
  std::string out =
      "Geometrisches Mittel (Basis / Nr. " + std::to_string(comparison.machine) + "): Füllen " +
      RatioText(comparison.geomeanFill, style) + ", Sortieren " +
      RatioText(comparison.geomeanSort, style) + ", alle 32 Phasen " +
      RatioText(comparison.geomean, style) + "\nMaschine " + std::to_string(comparison.machine) +
      " ist in " + std::to_string(comparison.wins) + " Phasen schneller, in " +
      std::to_string(comparison.losses) + " langsamer, in " + std::to_string(ties) + " gleich";
  if (comparison.noisePhases > 0) {
    out += ", davon " + std::to_string(comparison.noisePhases) + " im Rauschen";
  }
  out += ".\n";
  if (comparison.Tested()) {
    out += "Index: " + RatioText(comparison.geomean, style) +
           " (95 %: " + IntervalText(*comparison.significance.geomean, style) + ")\n";
  }
  return out;
}

}  // namespace

std::string ComparisonText(const Report& report, const NumberStyle& style) {
  if (!report.compared) return "";
  const int number = *report.compared;
  std::string out = "Vergleich: Maschine " + std::to_string(number) +
                    " gegen die Basis, Maschine " + std::to_string(report.baseline) + "\n";
  out += WrappedText("  Basis: " + MachineDescriptionText(report.MachineNumber(report.baseline)),
                     kLineWidth, 9);
  out += WrappedText("  Nr. " + std::to_string(number) + ": " +
                         MachineDescriptionText(report.MachineNumber(number)),
                     kLineWidth, 9);
  out += "Zeiten in Sekunden (Mediane der Läufe); Verh. = Basis / Nr. " + std::to_string(number) +
         ", über 1 ist Nr. " + std::to_string(number) + " schneller.\n\n";
  const Comparison& comparison = report.ComparisonOf(number);
  if (comparison.Tested()) {
    out += WrappedText(
        "Beide Maschinen haben mindestens drei Läufe: \"95 % des Verh.\" ist das Intervall, in "
        "dem das Verhältnis der Mediane bei 1000 Ziehungen aus den Läufen (Bootstrap, "
        "immer gleich gezogen) zu 95 % liegt. Enthält es die 1, ist der Unterschied "
        "\"gleich (im Rauschen)\" und zählt weder als schneller noch als langsamer.",
        kLineWidth, 0);
    out += "\n" + TestedPhaseTable(report, number, true, style).Render() + "\n" +
           TestedPhaseTable(report, number, false, style).Render();
  } else {
    out += PhaseTable(report, number, style).Render();
  }
  out += "\n" + Summary(report.ComparisonOf(number), style);
  return out;
}

}  // namespace zaveredo::auswertung
