#include "runtime/format/left_chars.h"

#include "platform/codepage.h"

namespace zaveredo {

std::u16string LeftUnits(std::u16string_view text, int count) {
  if (count <= 0) return std::u16string();
  if (static_cast<std::size_t>(count) >= text.size()) return std::u16string(text);
  std::size_t keep = static_cast<std::size_t>(count);
  char16_t last = text[keep - 1];
  char16_t next = text[keep];
  if (last >= 0xD800 && last <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) --keep;
  return std::u16string(text.substr(0, keep));
}

std::string LeftChars(std::string_view text, int count) {
  return platform::WideToAnsi(LeftUnits(platform::AnsiToWide(text), count));
}

}  // namespace zaveredo
