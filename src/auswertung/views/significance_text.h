// The texts of the significance test that the views share.
#pragma once

#include <string>

#include "auswertung/model/significance.h"
#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

// "0,981 bis 1,020"
std::string IntervalText(const Interval& interval, const NumberStyle& style);

// "gleich (im Rauschen)", the word for a difference whose interval holds 1.
inline constexpr const char* kInNoise = "gleich (im Rauschen)";

}  // namespace zaveredo::auswertung
