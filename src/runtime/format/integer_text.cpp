#include "runtime/format/integer_text.h"

#include "runtime/format/format_text.h"

namespace zaveredo {

std::string IntegerToText(std::int32_t value) {
  FixedText text;
  text.AppendDecimal(value);
  return std::string(text.View());
}

}  // namespace zaveredo
