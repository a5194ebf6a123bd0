// Plain decimal text of a 32-bit integer, independent of the locale.
#pragma once

#include <cstdint>
#include <string>

namespace zaveredo {

// Shortest digits, "-" before negatives, no separators or padding; -2147483648 in full.
std::string IntegerToText(std::int32_t value);

}  // namespace zaveredo
