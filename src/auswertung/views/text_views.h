// The report as console text: the Übersicht, the Vergleich, the Datentypen, and the lists of
// records that take part in no comparison.
#pragma once

#include <string>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// The console width the text views keep to.
inline constexpr std::size_t kLineWidth = 100;

std::string OverviewText(const Report& report, const NumberStyle& style);
std::string ComparisonText(const Report& report, const NumberStyle& style);
std::string TypesText(const Report& report, const NumberStyle& style);
std::string SpreadText(const Report& report, const NumberStyle& style);
std::string RecordListsText(const Report& report);

// The whole console report: the views the options chose, then the lists.
std::string TextReport(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
