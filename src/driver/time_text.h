// The text of a phase's time, the same on the console and in the results file: the stored
// elapsed seconds in the number style with four decimals, for example 1.234,5679.
#pragma once

#include <string>

#include "driver/phase.h"
#include "runtime/format/separators.h"

namespace zaveredo {

std::string TimeText(const PhaseTimes& times, const Separators& separators);

}  // namespace zaveredo
