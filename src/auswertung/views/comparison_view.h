// The Vergleich: one machine against the baseline, element type by element type.
#pragma once

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

// The view of the machine `report.compared`, which must be set.
View ComparisonView(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
