// The report as console text: every view within 100 columns, control characters shown as "?".
#pragma once

#include <string>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// The console width the text report keeps to.
inline constexpr std::size_t kLineWidth = 100;

std::string TextReport(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
