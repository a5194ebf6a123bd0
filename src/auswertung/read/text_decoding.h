// Field texts arrive in the character set of the machine that wrote them.
#pragma once

#include <string>
#include <string_view>

namespace zaveredo::auswertung {

bool IsValidUtf8(std::string_view bytes);

// The bytes as UTF-8: unchanged when they are valid UTF-8, else read as Windows-1252.
std::string DecodeRecordText(std::string_view bytes);

// Characters of a UTF-8 text (code points, not bytes).
std::size_t CharacterCount(std::string_view utf8);

}  // namespace zaveredo::auswertung
