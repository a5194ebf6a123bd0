#include "auswertung/views/significance_text.h"

namespace zaveredo::auswertung {

std::string IntervalText(const Interval& interval, const NumberStyle& style) {
  return RatioText(interval.low, style) + " bis " + RatioText(interval.high, style);
}

std::string IndexIntervalsText(const Report& report, const NumberStyle& style) {
  std::string lines;
  for (int number : report.ranking) {
    const Comparison& comparison = report.ComparisonOf(number);
    if (!comparison.Tested()) continue;
    lines += "  Nr. " + std::to_string(number) + ": " + RatioText(comparison.geomean, style) +
             " (95 %: " + IntervalText(*comparison.significance.geomean, style) + ")\n";
  }
  if (lines.empty()) return "";
  return "\nIndex mit Intervall, wo die Maschine und die Basis mindestens drei Läufe haben\n"
         "(95 %, Bootstrap über die Läufe):\n" +
         lines;
}

}  // namespace zaveredo::auswertung
