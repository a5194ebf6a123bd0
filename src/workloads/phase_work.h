// The work of one phase pair: the type's generator, and its sort over the whole array.
#pragma once

#include "workloads/element_type.h"

namespace zaveredo {

struct PhaseWork {
  void (*fill)();
  void (*sort)();  // reads the array's highest index, then sorts it
};

PhaseWork WorkOf(ElementType type);

}  // namespace zaveredo
