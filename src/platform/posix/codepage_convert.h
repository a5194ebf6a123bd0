// The two ANSI code pages of the POSIX backend and their conversions to and from UTF-16.
// A byte that is not valid in the code page becomes one unit of its own and converts back to the
// same byte, so text of unknown encoding survives a round trip unchanged.
#pragma once

#include <string>
#include <string_view>

namespace zaveredo::platform::posix {

enum class AnsiCodePage { kUtf8, kWindows1252 };

// The code page of the process, decided once from the locale the environment selects.
AnsiCodePage CurrentAnsiCodePage();

// Makes later conversions use the code page, whatever the locale says (for tests).
void OverrideAnsiCodePage(AnsiCodePage codePage);

// Whether the named locale's character set is UTF-8 ("" names the environment's locale).
// A locale that cannot be loaded counts as "C", which is not UTF-8.
bool LocaleIsUtf8(const char* localeName);

// A byte that is no part of a valid UTF-8 sequence becomes U+DC00 plus the byte.
inline constexpr char16_t kEscapeBase = 0xDC00;
std::u16string Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::u16string_view text);

// Escaped bytes, and the two halves of a UTF-16 surrogate pair.
inline bool IsEscapedByte(char16_t unit) {
  return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}
inline bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Windows-1252; its five unassigned bytes map to the C1 controls of the same value, as Windows
// maps them. A character the code page lacks becomes '?'.
std::u16string Windows1252ToWide(std::string_view text);
std::string WideToWindows1252(std::u16string_view text);

}  // namespace zaveredo::platform::posix
