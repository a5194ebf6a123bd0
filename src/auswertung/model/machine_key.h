// What makes records runs of the same machine: vendor, processor name, processor count and
// OS name (initials and MHz may differ from run to run).
#pragma once

#include <compare>
#include <set>
#include <string>

#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

struct MachineKey {
  std::string vendor;
  std::string processor;
  long long processors = 0;
  std::string os;
  auto operator<=>(const MachineKey&) const = default;
};

inline MachineKey KeyOf(const Record& record) {
  return {record.vendor, record.processor, record.processors.value_or(0), record.os};
}

using KnownMachines = std::set<MachineKey>;

}  // namespace zaveredo::auswertung
