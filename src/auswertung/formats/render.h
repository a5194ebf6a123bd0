// The report in the format the options chose.
#pragma once

#include <string>

#include "auswertung/model/report.h"
#include "auswertung/options.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

std::string RenderReport(const Report& report, Format format, const NumberStyle& style);

}  // namespace zaveredo::auswertung
