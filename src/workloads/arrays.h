// The sixteen process-wide test arrays, one per element type. The driver sizes an array just
// before its phase pair and releases it right after, so at most one holds elements at a time.
#pragma once

#include <cstdint>

#include "workloads/element_type.h"

namespace zaveredo {

struct DynamicArray {
  void* data = nullptr;  // elements packed at the type's width; null when empty
  std::int32_t length = 0;
};

namespace detail {
inline DynamicArray gArrays[kElementTypeCount];
}

inline DynamicArray& ArrayOf(ElementType type) {
  return detail::gArrays[static_cast<int>(type)];
}

template <typename Element>
Element* ElementsOf(ElementType type) {
  return static_cast<Element*>(ArrayOf(type).data);
}

// Gives the array ElementCount zero elements, with the memory really written, so the timed
// fill that follows meets no fresh pages. Raises EOutOfMemory when the memory is not there.
void SizeArray(ElementType type);

// Back to length 0, memory returned.
void ReleaseArray(ElementType type);
void ReleaseAllArrays();

}  // namespace zaveredo
