// The noise hints: phases whose runs on one machine differ by more than 10 %.
#pragma once

#include <optional>

#include "auswertung/model/report.h"
#include "auswertung/views/number_text.h"
#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

// None when no machine with several runs has such a phase.
std::optional<View> SpreadView(const Report& report, const NumberStyle& style);

}  // namespace zaveredo::auswertung
