// The report in the format the options chose.
#pragma once

#include <ostream>
#include <string>

#include "auswertung/model/report.h"
#include "auswertung/options.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// Onto `out`; CSV and JSON as they are made. A failed write shows in `out`'s state.
void WriteReport(const Report& report, Format format, const NumberStyle& style, std::ostream& out);

// The same bytes as one text.
std::string RenderReport(const Report& report, Format format, const NumberStyle& style);

}  // namespace zaveredo::auswertung
