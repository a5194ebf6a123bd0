// The seventeen phase pairs of a run, in their fixed order: the warm-up pair with extended,
// shown but not recorded, then one recorded pair per element type.
#pragma once

#include <array>

#include "workloads/element_type.h"

namespace zaveredo {

// The pair's label is its element type's (workloads/element_table.h).
struct PhasePair {
  ElementType type;
  bool recorded;        // writes its two times to the results file
  bool emptyLineAfter;  // ends a group on the console
};

inline constexpr int kPhasePairCount = 17;

const std::array<PhasePair, kPhasePairCount>& PhasePairs();

}  // namespace zaveredo
