// What a record says about the machine that ran it: the six fields in front of its times.
#pragma once

#include <optional>
#include <string>

namespace zaveredo::auswertung {

struct MachineDescription {
  // Texts in UTF-8.
  std::string vendor;
  std::string processor;  // name and identifier, joined by "/"
  std::optional<long long> mhz;
  std::optional<long long> processors;
  std::string os;
  std::string initials;
  bool operator==(const MachineDescription&) const = default;
};

}  // namespace zaveredo::auswertung
