// One record line read into its fields: complete, cut short, unreadable, or not ours.
#pragma once

#include <string_view>

#include "auswertung/record.h"

namespace zaveredo::auswertung {

// Fills everything but the number and the file.
Record ParseRecordLine(std::string_view line);

}  // namespace zaveredo::auswertung
