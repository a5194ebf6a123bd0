// The sixteen element types, in the order the run measures them.
#pragma once

#include <array>
#include <string_view>

namespace zaveredo {

enum class ElementType {
  kReal,
  kReal48,
  kSingle,
  kDouble,
  kExtended,
  kCurrency,
  kInteger,
  kByte,
  kShortInt,
  kWord,
  kSmallInt,
  kCardinal,
  kLongWord,
  kLongInt,
  kComp,
  kInt64,
};

inline constexpr int kElementTypeCount = 16;

// The names as the run prints them, in the order of the enumerators. Also what the report tool
// calls the types, so it lives here, apart from the routines.
inline constexpr std::array<std::string_view, kElementTypeCount> kElementTypeNames = {
    "real",     "real48", "single",   "double",   "extended", "currency", "Integer", "Byte",
    "ShortInt", "Word",   "SmallInt", "Cardinal", "LongWord", "LongInt",  "Comp",    "Int64"};

}  // namespace zaveredo
