// The report in the formats other programs and people read.
#pragma once

#include <string>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// One row per record, all 38 fields, RFC 4180, locale-free numbers.
std::string CsvReport(const Report& report);

// Records, machines, baseline and comparisons as one JSON object.
std::string JsonReport(const Report& report);

// The Übersicht and the Vergleich as tables.
std::string MarkdownReport(const Report& report, const NumberStyle& style);

// One self-contained page with the tables and inline SVG charts.
std::string HtmlReport(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
