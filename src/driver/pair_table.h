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

// The warm-up sizes and sorts the largest array before anything is recorded; the groups are
// the warm-up, the floating-point types and the integer types.
inline constexpr std::array<PhasePair, kPhasePairCount> kPhasePairs = {{
    {ElementType::kExtended, false, true},
    {ElementType::kReal, true, false},
    {ElementType::kReal48, true, false},
    {ElementType::kSingle, true, false},
    {ElementType::kDouble, true, false},
    {ElementType::kExtended, true, false},
    {ElementType::kCurrency, true, true},
    {ElementType::kInteger, true, false},
    {ElementType::kByte, true, false},
    {ElementType::kShortInt, true, false},
    {ElementType::kWord, true, false},
    {ElementType::kSmallInt, true, false},
    {ElementType::kCardinal, true, false},
    {ElementType::kLongWord, true, false},
    {ElementType::kLongInt, true, false},
    {ElementType::kComp, true, false},
    {ElementType::kInt64, true, true},
}};

}  // namespace zaveredo
