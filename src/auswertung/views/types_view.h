// The Datentypen: each type's time on each machine against double's on the same machine.
#pragma once

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

View TypesView(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
