#include "workloads/element_table.h"

#include <string_view>

#include "workloads/arrays.h"
#include "workloads/element_traits.h"
#include "workloads/generators.h"
#include "workloads/quicksort_range.h"

namespace zaveredo {
namespace {

// A phase pair's label: the name and " fuellen", blanks up to the colon in column 18, then two
// blanks (20 characters and the NUL).
using Label = std::array<char, 21>;

constexpr Label LabelOf(std::string_view name) {
  constexpr std::string_view kFill = " fuellen";
  Label label{};
  std::size_t k = 0;
  for (char c : name) label[k++] = c;
  for (char c : kFill) label[k++] = c;
  while (k < 17) label[k++] = ' ';
  for (char c : std::string_view(":  ")) label[k++] = c;
  return label;
}

template <ElementType type>
constexpr Label kLabel = LabelOf(kElementTypeNames[static_cast<int>(type)]);

// The range from 0 to the highest index (length - 1): what each element type's sort runs.
template <ElementType type, typename Traits>
void SortWholeArray() {
  DynamicArray& array = ArrayOf(type);
  std::int32_t high = array.length - 1;
  QuickSortRange<Traits>(static_cast<typename Traits::Element*>(array.data), high, 0, high);
}

// The width is the size of the element the sort takes, so the two cannot disagree.
template <ElementType type, typename Traits>
constexpr ElementTypeRow Row(void (*fill)()) {
  const int k = static_cast<int>(type);
  return {type, kElementTypeNames[k].data(), kLabel<type>.data(), sizeof(typename Traits::Element),
          fill, SortWholeArray<type, Traits>};
}

using namespace sorting;

constexpr std::array<ElementTypeRow, kElementTypeCount> kRows = {{
    Row<ElementType::kReal, RealTraits>(FillReal),
    Row<ElementType::kReal48, Real48Traits>(FillReal48),
    Row<ElementType::kSingle, SingleTraits>(FillSingle),
    Row<ElementType::kDouble, DoubleTraits>(FillDouble),
    Row<ElementType::kExtended, ExtendedTraits>(FillExtended),
    Row<ElementType::kCurrency, CurrencyTraits>(FillCurrency),
    Row<ElementType::kInteger, IntegerTraits>(FillInteger),
    Row<ElementType::kByte, ByteTraits>(FillByte),
    Row<ElementType::kShortInt, ShortIntTraits>(FillShortInt),
    Row<ElementType::kWord, WordTraits>(FillWord),
    Row<ElementType::kSmallInt, SmallIntTraits>(FillSmallInt),
    Row<ElementType::kCardinal, CardinalTraits>(FillCardinal),
    Row<ElementType::kLongWord, LongWordTraits>(FillLongWord),
    Row<ElementType::kLongInt, LongIntTraits>(FillLongInt),
    Row<ElementType::kComp, CompTraits>(FillComp),
    Row<ElementType::kInt64, Int64Traits>(FillInt64),
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
