#include "auswertung/model/phases.h"

#include <string>

#include "workloads/element_type.h"

namespace zaveredo::auswertung {
namespace {

static_assert(kTypeCount == kElementTypeCount, "one name per element type of the benchmark");

}  // namespace

std::string_view TypeName(int type) {
  return kElementTypeNames.at(static_cast<std::size_t>(type));
}

std::string PhaseLabel(int phase) {
  std::string label(TypeName(TypeOfPhase(phase)));
  return label + (IsFillPhase(phase) ? " fuellen" : " Sortieren");
}

}  // namespace zaveredo::auswertung
