#include "workloads/element_table.h"

#include "workloads/arrays.h"
#include "workloads/generators.h"
#include "workloads/quicksort.h"

namespace zaveredo {
namespace {

// Names the element type a quicksort takes; never called.
template <typename Element>
Element ElementSortedBy(void (*sort)(Element*, std::int32_t));

template <auto sort>
using SortedElement = decltype(ElementSortedBy(sort));

template <ElementType type, auto sort>
void SortWholeArray() {
  using Element = SortedElement<sort>;
  DynamicArray& array = ArrayOf(type);
  sort(static_cast<Element*>(array.data), array.length - 1);
}

// The width is the size of the element the sort takes, so the two cannot disagree.
template <ElementType type, auto sort>
constexpr ElementTypeRow Row(const char* label, void (*fill)()) {
  return {type,  kElementTypeNames[static_cast<int>(type)].data(),
          label, sizeof(SortedElement<sort>),
          fill,  SortWholeArray<type, sort>};
}

constexpr std::array<ElementTypeRow, kElementTypeCount> kRows = {{
    Row<ElementType::kReal, SortReal>("real fuellen     :  ", FillReal),
    Row<ElementType::kReal48, SortReal48>("real48 fuellen   :  ", FillReal48),
    Row<ElementType::kSingle, SortSingle>("single fuellen   :  ", FillSingle),
    Row<ElementType::kDouble, SortDouble>("double fuellen   :  ", FillDouble),
    Row<ElementType::kExtended, SortExtended>("extended fuellen :  ", FillExtended),
    Row<ElementType::kCurrency, SortCurrency>("currency fuellen :  ", FillCurrency),
    Row<ElementType::kInteger, SortInteger>("Integer fuellen  :  ", FillInteger),
    Row<ElementType::kByte, SortByte>("Byte fuellen     :  ", FillByte),
    Row<ElementType::kShortInt, SortShortInt>("ShortInt fuellen :  ", FillShortInt),
    Row<ElementType::kWord, SortWord>("Word fuellen     :  ", FillWord),
    Row<ElementType::kSmallInt, SortSmallInt>("SmallInt fuellen :  ", FillSmallInt),
    Row<ElementType::kCardinal, SortCardinal>("Cardinal fuellen :  ", FillCardinal),
    Row<ElementType::kLongWord, SortLongWord>("LongWord fuellen :  ", FillLongWord),
    Row<ElementType::kLongInt, SortLongInt>("LongInt fuellen  :  ", FillLongInt),
    Row<ElementType::kComp, SortComp>("Comp fuellen     :  ", FillComp),
    Row<ElementType::kInt64, SortInt64>("Int64 fuellen    :  ", FillInt64),
}};

constexpr bool RowsFollowTheTypeOrder() {
  for (int k = 0; k < kElementTypeCount; ++k)
    if (kRows[k].type != static_cast<ElementType>(k)) return false;
  return true;
}
static_assert(RowsFollowTheTypeOrder(), "row k belongs to element type k");

}  // namespace

const std::array<ElementTypeRow, kElementTypeCount>& ElementTypeRows() {
  return kRows;
}

const ElementTypeRow& RowOf(ElementType type) {
  return kRows[static_cast<int>(type)];
}

}  // namespace zaveredo
