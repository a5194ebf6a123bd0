// One row per element type, in the order the run measures them: what the driver, the benchmark
// and the code check know of a type besides its array. Adding a type means its enumerator, its
// generator, its sorting traits, one row here and its pair in driver/pair_table.cpp.
#pragma once

#include <array>
#include <cstdint>

#include "workloads/element_type.h"

namespace zaveredo {

struct ElementTypeRow {
  ElementType type;
  const char* name;    // as the run prints it, for example "real48" or "Int64"
  const char* label;   // its phase pair's label, made from the name: "real fuellen     :  "
  std::int32_t width;  // bytes per element, the stride of the packed array
  void (*fill)();      // the generator
  void (*sort)();      // reads the array's highest index, then sorts the whole array
};

const std::array<ElementTypeRow, kElementTypeCount>& ElementTypeRows();

const ElementTypeRow& RowOf(ElementType type);

}  // namespace zaveredo
