#include "workloads/quicksort.h"

#include "workloads/element_traits.h"
#include "workloads/quicksort_range.h"

namespace zaveredo {

using namespace sorting;

void SortReal(double* array, std::int32_t high) {
  QuickSortRange<RealTraits>(array, high, 0, high);
}
void SortReal48(Real48* array, std::int32_t high) {
  QuickSortRange<Real48Traits>(array, high, 0, high);
}
void SortSingle(float* array, std::int32_t high) {
  QuickSortRange<SingleTraits>(array, high, 0, high);
}
void SortDouble(double* array, std::int32_t high) {
  QuickSortRange<DoubleTraits>(array, high, 0, high);
}
void SortExtended(Extended* array, std::int32_t high) {
  QuickSortRange<ExtendedTraits>(array, high, 0, high);
}
void SortCurrency(std::int64_t* array, std::int32_t high) {
  QuickSortRange<CurrencyTraits>(array, high, 0, high);
}
void SortInteger(std::int32_t* array, std::int32_t high) {
  QuickSortRange<IntegerTraits>(array, high, 0, high);
}
void SortByte(std::uint8_t* array, std::int32_t high) {
  QuickSortRange<ByteTraits>(array, high, 0, high);
}
void SortShortInt(std::int8_t* array, std::int32_t high) {
  QuickSortRange<ShortIntTraits>(array, high, 0, high);
}
void SortWord(std::uint16_t* array, std::int32_t high) {
  QuickSortRange<WordTraits>(array, high, 0, high);
}
void SortSmallInt(std::int16_t* array, std::int32_t high) {
  QuickSortRange<SmallIntTraits>(array, high, 0, high);
}
void SortCardinal(std::uint32_t* array, std::int32_t high) {
  QuickSortRange<CardinalTraits>(array, high, 0, high);
}
void SortLongWord(std::uint32_t* array, std::int32_t high) {
  QuickSortRange<LongWordTraits>(array, high, 0, high);
}
void SortLongInt(std::int32_t* array, std::int32_t high) {
  QuickSortRange<LongIntTraits>(array, high, 0, high);
}
void SortComp(std::int64_t* array, std::int32_t high) {
  QuickSortRange<CompTraits>(array, high, 0, high);
}
void SortInt64(std::int64_t* array, std::int32_t high) {
  QuickSortRange<Int64Traits>(array, high, 0, high);
}

}  // namespace zaveredo
