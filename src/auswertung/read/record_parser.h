// One record line read into its fields: complete, cut short, unreadable, or not ours.
#pragma once

#include <string_view>

#include "auswertung/model/machine_key.h"
#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

// Fills everything but the number and the file. Where the extra ";" of a record can be placed
// in several ways, the one reading that names a known machine is taken, if only one does.
Record ParseRecordLine(std::string_view line, const KnownMachines* known = nullptr);

}  // namespace zaveredo::auswertung
