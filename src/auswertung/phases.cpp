#include "auswertung/phases.h"

#include <array>
#include <string>

#include "workloads/element_type.h"

namespace zaveredo::auswertung {
namespace {

static_assert(kTypeCount == kElementTypeCount, "one name per element type of the benchmark");

constexpr std::array<std::string_view, kTypeCount> kTypeNames = {
    "real",     "real48", "single",   "double",   "extended", "currency", "Integer", "Byte",
    "ShortInt", "Word",   "SmallInt", "Cardinal", "LongWord", "LongInt",  "Comp",    "Int64"};

}  // namespace

std::string_view TypeName(int type) {
  return kTypeNames.at(static_cast<std::size_t>(type));
}

std::string PhaseLabel(int phase) {
  std::string label(TypeName(TypeOfPhase(phase)));
  return label + (IsFillPhase(phase) ? " fuellen" : " Sortieren");
}

}  // namespace zaveredo::auswertung
