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

}  // namespace

Separators SeparatorsFrom(LocaleQuery query) {
  Separators separators;
  separators.thousands = SeparatorOf(query, platform::kLocaleSThousand, kFallbackThousands);
  separators.decimal = SeparatorOf(query, platform::kLocaleSDecimal, kFallbackDecimal);
  return separators;
}

void ReadSeparators() {
  startupSeparators = SeparatorsFrom(platform::GetLocaleInfo);
}

const Separators& StartupSeparators() {
  return startupSeparators;
}

}  // namespace zaveredo
