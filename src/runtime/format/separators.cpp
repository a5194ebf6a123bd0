#include "runtime/format/separators.h"

#include "platform/locale.h"

namespace zaveredo {

namespace {

Separators startupSeparators{kFallbackDecimal, kFallbackThousands};

// The 2-byte buffer holds one character and its NUL: a longer separator fails the query.
char SeparatorOf(LocaleQuery query, std::uint32_t type, char fallback) {
  char buffer[2] = {};
  return query(type, buffer, sizeof buffer) > 0 ? buffer[0] : fallback;
}

// A grouping character every code page and every reader shows as itself: plain ASCII. A byte
// above 127 (the no-break space 0xA0 of Windows-1252) is another character on an OEM console
// and in another code page.
bool IsPlainCharacter(char c) {
  return c >= ' ' && c <= '~';
}

char GroupingBeside(char decimal) {
  return decimal == ',' ? '.' : ',';
}

}  // namespace

Separators SeparatorsFrom(LocaleQuery query) {
  Separators separators;
  char buffer[2] = {};
  bool oneByte = query(platform::kLocaleSThousand, buffer, sizeof buffer) > 0;
  separators.decimal = SeparatorOf(query, platform::kLocaleSDecimal, kFallbackDecimal);
  separators.thousands = buffer[0];
  // A grouping that cannot be written as the locale's own one plain byte, or that would read as
  // the decimal separator (1,553,0702), groups with the other of "." and ",".
  bool usable = oneByte && (buffer[0] == '\0' || IsPlainCharacter(buffer[0]));
  bool clashes = separators.thousands != '\0' && separators.thousands == separators.decimal;
  if (!usable || clashes) separators.thousands = GroupingBeside(separators.decimal);
  return separators;
}

void ReadSeparators() {
  startupSeparators = SeparatorsFrom(platform::GetLocaleInfo);
}

const Separators& StartupSeparators() {
  return startupSeparators;
}

}  // namespace zaveredo
