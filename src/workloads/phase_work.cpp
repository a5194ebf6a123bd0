#include "workloads/phase_work.h"

#include "workloads/arrays.h"
#include "workloads/generators.h"
#include "workloads/quicksort.h"

namespace zaveredo {

namespace {

template <ElementType type, typename Element, void (*sort)(Element*, std::int32_t)>
void SortWholeArray() {
  DynamicArray& array = ArrayOf(type);
  sort(static_cast<Element*>(array.data), array.length - 1);
}

using T = ElementType;

constexpr PhaseWork kWork[kElementTypeCount] = {
    {FillReal, SortWholeArray<T::kReal, double, SortReal>},
    {FillReal48, SortWholeArray<T::kReal48, Real48, SortReal48>},
    {FillSingle, SortWholeArray<T::kSingle, float, SortSingle>},
    {FillDouble, SortWholeArray<T::kDouble, double, SortDouble>},
    {FillExtended, SortWholeArray<T::kExtended, Extended, SortExtended>},
    {FillCurrency, SortWholeArray<T::kCurrency, std::int64_t, SortCurrency>},
    {FillInteger, SortWholeArray<T::kInteger, std::int32_t, SortInteger>},
    {FillByte, SortWholeArray<T::kByte, std::uint8_t, SortByte>},
    {FillShortInt, SortWholeArray<T::kShortInt, std::int8_t, SortShortInt>},
    {FillWord, SortWholeArray<T::kWord, std::uint16_t, SortWord>},
    {FillSmallInt, SortWholeArray<T::kSmallInt, std::int16_t, SortSmallInt>},
    {FillCardinal, SortWholeArray<T::kCardinal, std::uint32_t, SortCardinal>},
    {FillLongWord, SortWholeArray<T::kLongWord, std::uint32_t, SortLongWord>},
    {FillLongInt, SortWholeArray<T::kLongInt, std::int32_t, SortLongInt>},
    {FillComp, SortWholeArray<T::kComp, std::int64_t, SortComp>},
    {FillInt64, SortWholeArray<T::kInt64, std::int64_t, SortInt64>},
};

}  // namespace

PhaseWork WorkOf(ElementType type) {
  return kWork[static_cast<int>(type)];
}

}  // namespace zaveredo
