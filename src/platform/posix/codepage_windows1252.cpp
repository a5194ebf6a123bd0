#include <array>

#include "platform/posix/codepage_convert.h"

namespace zaveredo::platform::posix {
namespace {

// The bytes 0x80 to 0x9F; every other byte is the Latin-1 character of the same value.
// The unassigned bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kDefaultChar = '?';

char EncodeUnit(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  // A byte escaped by the UTF-8 decoder keeps its value here too.
  if (IsEscapedByte(unit)) return static_cast<char>(unit - kEscapeBase);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  return kDefaultChar;
}

}  // namespace

std::u16string Windows1252ToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    out += (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t{byte};
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
