#include "platform/posix/codepage_convert.h"

namespace zaveredo::platform::posix {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length and value of a well-formed sequence at the start of text, or 0 when it is not one
// (overlong forms, encoded surrogates and values beyond U+10FFFF are not well-formed).
int DecodeSequence(std::string_view text, char32_t* value) {
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
    if (!IsContinuation(byte)) return 0;
    *value = (*value << 6) | (byte & 0x3F);
  }
  if (*value < minimum || *value > 0x10FFFF || (*value >= 0xD800 && *value <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(std::string& out, char32_t value) {
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

}  // namespace

std::u16string Utf8ToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  while (!text.empty()) {
    char32_t value;
    int length = DecodeSequence(text, &value);
    if (length == 0) {
      out += static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(text[0]));
      text.remove_prefix(1);
      continue;
    }
    if (value >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(value);
    }
    text.remove_prefix(length);
  }
  return out;
}

std::string WideToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsEscapedByte(unit)) {
      out += static_cast<char>(unit - kEscapeBase);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

}  // namespace zaveredo::platform::posix
