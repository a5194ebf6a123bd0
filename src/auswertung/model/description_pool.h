// Descriptions kept once however many records carry them: the runs of one machine mostly say
// the same, and a million records must not hold a million copies of a processor name.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>

#include "auswertung/read/machine_description.h"

namespace zaveredo::auswertung {

class DescriptionPool {
 public:
  // The pool's copy of an equal description, made on first sight.
  std::shared_ptr<const MachineDescription> Shared(const MachineDescription& description);

 private:
  struct Hash {
    std::size_t operator()(const MachineDescription& description) const;
  };
  std::unordered_map<MachineDescription, std::shared_ptr<const MachineDescription>, Hash> kept_;
};

}  // namespace zaveredo::auswertung
