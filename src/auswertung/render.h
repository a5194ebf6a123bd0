// The report in the format the options chose.
#pragma once

#include <string>

#include "auswertung/number_text.h"
#include "auswertung/options.h"
#include "auswertung/report.h"

namespace zaveredo::auswertung {

std::string RenderReport(const Report& report, Format format, const NumberStyle& style);

}  // namespace zaveredo::auswertung
