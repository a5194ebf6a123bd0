#include "driver/pair_table.h"

namespace zaveredo {
namespace {

using T = ElementType;

// The warm-up sizes and sorts the largest array before anything is recorded; the groups are
// the warm-up, the floating-point types and the integer types.
constexpr std::array<PhasePair, kPhasePairCount> kPairs = {{
    {T::kExtended, false, true},
    {T::kReal, true, false},
    {T::kReal48, true, false},
    {T::kSingle, true, false},
    {T::kDouble, true, false},
    {T::kExtended, true, false},
    {T::kCurrency, true, true},
    {T::kInteger, true, false},
    {T::kByte, true, false},
    {T::kShortInt, true, false},
    {T::kWord, true, false},
    {T::kSmallInt, true, false},
    {T::kCardinal, true, false},
    {T::kLongWord, true, false},
    {T::kLongInt, true, false},
    {T::kComp, true, false},
    {T::kInt64, true, true},
}};

}  // namespace

const std::array<PhasePair, kPhasePairCount>& PhasePairs() {
  return kPairs;
}

}  // namespace zaveredo
