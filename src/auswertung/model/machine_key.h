// What makes records runs of the same machine: vendor, processor name, processor count and
// OS name of their description (initials and MHz may differ from run to run).
#pragma once

#include <compare>
#include <set>
#include <string_view>

#include "auswertung/read/machine_description.h"

namespace zaveredo::auswertung {

// Views into the description it was taken from, which must outlive it.
struct MachineKey {
  std::string_view vendor;
  std::string_view processor;
  long long processors = 0;
  std::string_view os;
  auto operator<=>(const MachineKey&) const = default;
};

inline MachineKey KeyOf(const MachineDescription& description) {
  return {description.vendor, description.processor, description.processors.value_or(0),
          description.os};
}

using KnownMachines = std::set<MachineKey>;

}  // namespace zaveredo::auswertung
