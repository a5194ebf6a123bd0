// The report as console text: every view within 100 columns, control characters shown as "?".
#pragma once

#include <string>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

// The console width the text report keeps to.
inline constexpr std::size_t kLineWidth = 100;

// One view: its title, then its blocks; a blank line around each table and list, none between
// the lines of a paragraph block.
std::string ViewText(const View& view);

std::string TextReport(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
