#include <array>

#include "platform/posix/codepage_convert.h"
#include "platform/windows1252.h"

namespace zaveredo::platform::posix {
namespace {

constexpr char kDefaultChar = '?';

char EncodeUnit(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  // A byte escaped by the UTF-8 decoder keeps its value here too.
  if (IsEscapedByte(unit)) return static_cast<char>(unit - kEscapeBase);
  for (std::size_t i = 0; i < kWindows1252HighControls.size(); ++i) {
    if (kWindows1252HighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  return kDefaultChar;
}

}  // namespace

std::u16string Windows1252ToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    out += (byte >= 0x80 && byte < 0xA0) ? kWindows1252HighControls[byte - 0x80] : char16_t{byte};
  }
  return out;
}

std::string WideToWindows1252(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character beyond the basic plane is one character, so one default character.
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out += kDefaultChar;
      ++i;
      continue;
    }
    out += EncodeUnit(text[i]);
  }
  return out;
}

}  // namespace zaveredo::platform::posix
