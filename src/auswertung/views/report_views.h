// Which views the report shows, in which order: the same for every human format.
#pragma once

#include <vector>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

// The Datentypen alone when asked for, else the Übersicht (unless the Vergleich was asked for
// alone), the Vergleich, the noise hints; then the lists of records and files.
std::vector<View> ReportViews(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
