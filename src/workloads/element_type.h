// The sixteen element types, in the order the run measures them.
#pragma once

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

}  // namespace zaveredo
