#include "auswertung/views/significance_text.h"

namespace zaveredo::auswertung {

std::string IntervalText(const Interval& interval, const NumberStyle& style) {
  return RatioText(interval.low, style) + " bis " + RatioText(interval.high, style);
}

}  // namespace zaveredo::auswertung
