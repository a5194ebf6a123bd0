// The six description fields of a record, found among the header pieces when a ";" inside the
// processor name, the OS name or the initials has split one of them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "auswertung/read/machine_description.h"

namespace zaveredo::auswertung {

// One reading of the header pieces.
struct HeaderPlacement {
  MachineDescription description;
  int splitsInProcessor = 0;  // ";" that belong to each text
  int splitsInOs = 0;
  int splitsInInitials = 0;
};

// Every reading of at least six pieces that keeps fields 3 and 4 whole numbers, the processor
// name with its "/", the initials at most eight characters and, where a ";" is to be placed,
// no time-shaped piece in the OS name or the initials.
std::vector<HeaderPlacement> PlaceHeader(std::span<const std::string_view> pieces);

// The notes a recovered placement carries, one per text that held a ";".
std::vector<std::string> PlacementNotes(const HeaderPlacement& placement);

}  // namespace zaveredo::auswertung
