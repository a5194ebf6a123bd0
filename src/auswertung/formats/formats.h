// The report in the formats other programs and people read.
#pragma once

#include <ostream>
#include <string>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// CSV and JSON are written onto `out` as they are made, never whole in memory; they stop at the
// first write that fails, which `out`'s state then shows.

// One row per record, all 38 fields, RFC 4180, locale-free numbers.
void WriteCsvReport(const Report& report, std::ostream& out);

// Records, machines, baseline and comparisons as one JSON object.
void WriteJsonReport(const Report& report, std::ostream& out);

// The Übersicht and the Vergleich as tables.
std::string MarkdownReport(const Report& report, const NumberStyle& style);

// One self-contained page with the tables and inline SVG charts.
std::string HtmlReport(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
