// The element count of every test array. Volatile: the generators read it afresh after every
// element, and that read is part of what a fill costs.
#pragma once

#include <cstdint>

namespace zaveredo {

inline volatile std::int32_t ElementCount = 0;

}  // namespace zaveredo
