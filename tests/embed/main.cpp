// Fills and sorts a small Int64 array through the embedded workloads library; exits 0 when the
// array came out sorted.
#include <cstdint>
#include <cstdio>

#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "workloads/element_table.h"

int main() {
  using namespace zaveredo;
  ElementCount = 1000;
  SizeArray(ElementType::kInt64);
  const ElementTypeRow& row = RowOf(ElementType::kInt64);
  row.fill();
  row.sort();
  const std::int64_t* elements = ElementsOf<std::int64_t>(ElementType::kInt64);
  for (int i = 1; i < ElementCount; ++i) {
    if (elements[i - 1] > elements[i]) return 1;
  }
  std::printf("sorted %d elements\n", static_cast<int>(ElementCount));
  return 0;
}
