#include "auswertung/text_decoding.h"

#include <array>

#include "platform/windows1252.h"

namespace zaveredo::auswertung {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the sequence a lead byte starts, 0 when it cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Whether the continuation bytes after a lead form the shortest form of a scalar value.
bool ValidSequence(std::string_view s, std::size_t i, int length) {
  if (i + static_cast<std::size_t>(length) > s.size()) return false;
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  for (int k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return false;
  }
  const unsigned char lead = byte(0), second = length > 1 ? byte(1) : 0;
  if (lead == 0xE0 && second < 0xA0) return false;  // overlong
  if (lead == 0xED && second > 0x9F) return false;  // surrogate
  if (lead == 0xF0 && second < 0x90) return false;  // overlong
  if (lead == 0xF4 && second > 0x8F) return false;  // beyond U+10FFFF
  return true;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const int length = SequenceLength(static_cast<unsigned char>(bytes[i]));
    if (length == 0 || !ValidSequence(bytes, i, length)) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

std::string DecodeRecordText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? platform::kWindows1252HighControls[byte - 0x80]
                                                : char32_t{byte});
  }
  return out;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace zaveredo::auswertung
