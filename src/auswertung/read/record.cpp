#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

std::shared_ptr<const std::string> NoFile() {
  static const auto none = std::make_shared<const std::string>();
  return none;
}

std::shared_ptr<const MachineDescription> NoDescription() {
  static const auto none = std::make_shared<const MachineDescription>();
  return none;
}

}  // namespace zaveredo::auswertung
