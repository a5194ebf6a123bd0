#include "runtime/format/integer_text.h"

namespace zaveredo {

std::string IntegerToText(std::int32_t value) {
  // The magnitude as unsigned, so that -2147483648 needs no special case.
  std::uint32_t magnitude = static_cast<std::uint32_t>(value);
  if (value < 0) magnitude = 0u - magnitude;
  char buffer[11];
  char* start = buffer + sizeof buffer;
  do {
    *--start = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text = value < 0 ? "-" : "";
  return text.append(start, buffer + sizeof buffer);
}

}  // namespace zaveredo
