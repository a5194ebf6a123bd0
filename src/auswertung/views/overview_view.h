// The Übersicht: one row per machine, fastest first, with its index against the baseline.
#pragma once

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

View OverviewView(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
