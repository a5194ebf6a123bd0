#include "auswertung/text_views.h"

namespace zaveredo::auswertung {
namespace {

std::string SpreadLine(const Machine& machine, int phase, const NumberStyle& style) {
  const PhaseSpread& spread = machine.spread[phase];
  return "  Maschine " + std::to_string(machine.number) + ", " + PhaseLabel(phase) + ": " +
         TimeText(spread.min, style) + " bis " + TimeText(spread.max, style) + " s, " +
         (spread.relative < 0 ? std::string("schnellster Lauf mit der Zeit null")
                              : PercentText(spread.relative, style)) +
         "\n";
}

}  // namespace

std::string SpreadText(const Report& report, const NumberStyle& style) {
  std::string lines;
  for (const Machine& machine : report.machines) {
    if (machine.records.size() < 2) continue;
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      const PhaseSpread& spread = machine.spread[phase];
      if (spread.Flagged() || spread.relative < 0) lines += SpreadLine(machine, phase, style);
    }
  }
  if (lines.empty()) return "";
  return "Phasen mit einer Streuung über 10 % zwischen den Läufen einer Maschine; die Läufe\n"
         "liefen wohl nicht auf einer sonst ruhenden Maschine:\n" +
         lines;
}

}  // namespace zaveredo::auswertung
