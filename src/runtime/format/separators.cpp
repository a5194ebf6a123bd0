#include "runtime/format/separators.h"

#include <optional>

#include "platform/locale.h"

namespace zaveredo {

namespace {

Separators startupSeparators{kFallbackDecimal, kFallbackThousands};

// The 2-byte buffer holds one character and its NUL: a longer separator fails the query.
std::optional<char> SeparatorOf(LocaleQuery query, std::uint32_t type) {
  char buffer[2] = {};
  if (query(type, buffer, sizeof buffer) <= 0) return std::nullopt;
  return buffer[0];
}

}  // namespace

Separators SeparatorsFrom(LocaleQuery query) {
  std::optional<char> grouping = SeparatorOf(query, platform::kLocaleSThousand);
  char decimal = SeparatorOf(query, platform::kLocaleSDecimal).value_or(kFallbackDecimal);
  // A grouping that cannot be written as the locale's own one plain byte, or that would read as
  // the decimal separator (1,553,0702), groups with the other of "." and ",". Plain is ASCII,
  // which every code page and every reader shows as itself: a byte above 127 (the no-break
  // space 0xA0 of Windows-1252) is another character on an OEM console and in another code page.
  bool plain = grouping && *grouping >= ' ' && *grouping <= '~';
  bool usable = grouping && (*grouping == '\0' || (plain && *grouping != decimal));
  return {decimal, usable ? *grouping : (decimal == ',' ? '.' : ',')};
}

void ReadSeparators() {
  startupSeparators = SeparatorsFrom(platform::GetLocaleInfo);
}

const Separators& StartupSeparators() {
  return startupSeparators;
}

}  // namespace zaveredo
