#include "auswertung/model/type_ratios.h"

namespace zaveredo::auswertung {
namespace {
constexpr int kDouble = 3;
}  // namespace

std::optional<double> RelativeToDouble(const Machine& machine, int phase) {
  const int doublePhase = IsFillPhase(phase) ? FillPhase(kDouble) : SortPhase(kDouble);
  const double reference = machine.times[doublePhase];
  if (reference <= 0) return std::nullopt;
  return machine.times[phase] / reference;
}

}  // namespace zaveredo::auswertung
