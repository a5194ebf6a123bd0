// What the benchmark exists to show: each type's time against double's on the same machine.
#pragma once

#include <optional>

#include "auswertung/model/machines.h"

namespace zaveredo::auswertung {

// This phase's time / double's time of the same kind (fill or sort); none when double's is 0.
std::optional<double> RelativeToDouble(const Machine& machine, int phase);

}  // namespace zaveredo::auswertung
