#include "auswertung/views/spread_view.h"

namespace zaveredo::auswertung {
namespace {

// The benchmark's clock moves in steps of up to 5.15 ms, read as 0,0051 or 0,0052; runs that
// differ by one step differ by the clock alone. Half a tick of margin for the binary fractions.
constexpr double kClockStep = 0.00525;

std::string SpreadItem(const Machine& machine, int phase, const NumberStyle& style) {
  const PhaseSpread& spread = machine.spread[phase];
  return "Maschine " + std::to_string(machine.number) + ", " + PhaseLabel(phase) + ": " +
         TimeText(spread.min, style) + " bis " + TimeText(spread.max, style) + " s, " +
         (spread.relative < 0 ? std::string("schnellster Lauf mit der Zeit null")
                              : PercentText(spread.relative, style)) +
         (spread.max - spread.min <= kClockStep ? " (nur ein Schritt der Uhr)" : "");
}

}  // namespace

std::optional<View> SpreadView(const Report& report, const NumberStyle& style) {
  ItemList list;
  for (const Machine& machine : report.machines) {
    if (machine.records.size() < 2) continue;
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      const PhaseSpread& spread = machine.spread[phase];
      if (spread.Flagged() || spread.relative < 0) {
        list.items.push_back(SpreadItem(machine, phase, style));
      }
    }
  }
  if (list.items.empty()) return std::nullopt;
  return View{ViewKind::kSpread,
              "Phasen mit einer Streuung über 10 % zwischen den Läufen einer Maschine; die Läufe\n"
              "liefen wohl nicht auf einer sonst ruhenden Maschine:",
              {std::move(list)}};
}

}  // namespace zaveredo::auswertung
