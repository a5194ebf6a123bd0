// UTF-8 sequences read and written. Pure code with no system in it, so the report tool decodes
// records by the same rules as the benchmark's text conversion on Linux.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zaveredo::platform {

// The length and value of a well-formed sequence at the start of a non-empty text, or 0 when it
// is not one (overlong forms, encoded surrogates and values beyond U+10FFFF are not well-formed).
inline int DecodeUtf8Sequence(std::string_view text, char32_t* value) {
  auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) {
    *value = lead;
    return 1;
  }
  int length;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, *value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, *value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, *value = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < static_cast<std::size_t>(length)) return 0;
  for (int i = 1; i < length; ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) return 0;
    *value = (*value << 6) | (byte & 0x3F);
  }
  if (*value < minimum || *value > 0x10FFFF || (*value >= 0xD800 && *value <= 0xDFFF)) return 0;
  return length;
}

inline void AppendUtf8(std::string& out, char32_t value) {
  if (value < 0x80) {
    out += static_cast<char>(value);
  } else if (value < 0x800) {
    out += static_cast<char>(0xC0 | (value >> 6));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else if (value < 0x10000) {
    out += static_cast<char>(0xE0 | (value >> 12));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (value >> 18));
    out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  }
}

}  // namespace zaveredo::platform
