#include "auswertung/read/text_decoding.h"

#include <cstdint>
#include <cstring>

#include "platform/utf8.h"
#include "platform/windows1252.h"

namespace zaveredo::auswertung {

bool IsValidUtf8(std::string_view bytes) {
  char32_t value;
  while (!bytes.empty()) {
    // Eight ASCII bytes at a time: a record is nearly all ASCII.
    std::uint64_t eight;
    if (bytes.size() >= sizeof eight) {
      std::memcpy(&eight, bytes.data(), sizeof eight);
      if ((eight & 0x8080808080808080u) == 0) {
        bytes.remove_prefix(sizeof eight);
        continue;
      }
    }
    if (static_cast<unsigned char>(bytes.front()) < 0x80) {  // ASCII, the most of every record
      bytes.remove_prefix(1);
      continue;
    }
    const int length = platform::DecodeUtf8Sequence(bytes, &value);
    if (length == 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(length));
  }
  return true;
}

std::string DecodeRecordText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    platform::AppendUtf8(out, byte >= 0x80 && byte < 0xA0
                                  ? platform::kWindows1252HighControls[byte - 0x80]
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
