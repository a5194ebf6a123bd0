// Every machine against the baseline over the 32 phases as one HTML table: the ratio in each
// cell, its background from a diverging scale centred at 1, so that a glance finds the phases
// where a machine is fast or slow.
#pragma once

#include <optional>
#include <string>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// Slower than the baseline towards vermillion, faster towards blue, both from the Okabe–Ito
// palette that colour-blind readers tell apart; full from a ratio of 2 or 1/2 on.
inline constexpr const char* kSlowerColour = "#d55e00";
inline constexpr const char* kFasterColour = "#0072b2";

struct CellColours {
  std::string background;  // "#rrggbb"
  std::string text;        // black or white, whichever contrasts more with the background
};

// White for no ratio and for 1.
CellColours HeatColours(const std::optional<double>& ratio);

// A table of one row per machine, fastest first, and one cell per phase; "—" where no ratio.
std::string HeatMapHtml(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
