// The records that take part in no comparison, the notes on records, and the files not read.
#pragma once

#include <vector>

#include "auswertung/model/report.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

// One view per list that is not empty: incomplete, unreadable, notes, files not read.
std::vector<View> RecordListViews(const Report& report);

}  // namespace zaveredo::auswertung
