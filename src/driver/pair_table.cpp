#include "driver/pair_table.h"

namespace zaveredo {
namespace {

using T = ElementType;

// The warm-up sizes and sorts the largest array before anything is recorded; the groups are
// the warm-up, the floating-point types and the integer types.
constexpr std::array<PhasePair, kPhasePairCount> kPairs = {{
    {"extended fuellen :  ", T::kExtended, false, true},
    {"real fuellen     :  ", T::kReal, true, false},
    {"real48 fuellen   :  ", T::kReal48, true, false},
    {"single fuellen   :  ", T::kSingle, true, false},
    {"double fuellen   :  ", T::kDouble, true, false},
    {"extended fuellen :  ", T::kExtended, true, false},
    {"currency fuellen :  ", T::kCurrency, true, true},
    {"Integer fuellen  :  ", T::kInteger, true, false},
    {"Byte fuellen     :  ", T::kByte, true, false},
    {"ShortInt fuellen :  ", T::kShortInt, true, false},
    {"Word fuellen     :  ", T::kWord, true, false},
    {"SmallInt fuellen :  ", T::kSmallInt, true, false},
    {"Cardinal fuellen :  ", T::kCardinal, true, false},
    {"LongWord fuellen :  ", T::kLongWord, true, false},
    {"LongInt fuellen  :  ", T::kLongInt, true, false},
    {"Comp fuellen     :  ", T::kComp, true, false},
    {"Int64 fuellen    :  ", T::kInt64, true, true},
}};

}  // namespace

const std::array<PhasePair, kPhasePairCount>& PhasePairs() {
  return kPairs;
}

}  // namespace zaveredo
