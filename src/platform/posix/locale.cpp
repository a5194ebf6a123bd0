#include "platform/locale.h"

#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <cstring>
#include <string>

namespace zaveredo::platform {

namespace {

// The numeric item of the locale the environment names for LC_NUMERIC alone (LC_ALL, else
// LC_NUMERIC, else LANG), read without changing the process's own locale. An unusable setting
// of another category does not matter; when the numeric one cannot be loaded, the C locale's
// value applies.
std::string NumericItem(nl_item item) {
  locale_t chosen = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (chosen == static_cast<locale_t>(0))
    chosen = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  if (chosen == static_cast<locale_t>(0)) return {};
  const char* text = nl_langinfo_l(item, chosen);
  std::string value = text != nullptr ? text : "";
  freelocale(chosen);
  return value;
}

// The C library's grouping (one byte per group size, repeated from the last) as the text the
// Windows side gives: "3;3".
std::string GroupingText(const std::string& sizes) {
  std::string text;
  for (char size : sizes) {
    if (size <= 0 || size == CHAR_MAX) break;
    if (!text.empty()) text += ';';
    text += std::to_string(static_cast<int>(size));
  }
  return text;
}

}  // namespace

int GetLocaleInfo(std::uint32_t type, char* buffer, int size) {
  std::string value;
  if (type == kLocaleSDecimal) {
    value = NumericItem(RADIXCHAR);
  } else if (type == kLocaleSThousand) {
    value = NumericItem(THOUSEP);
  } else if (type == kLocaleSGrouping) {
    value = GroupingText(NumericItem(GROUPING));
  } else {
    return 0;
  }
  int needed = static_cast<int>(value.size()) + 1;
  if (buffer == nullptr || size < needed) return 0;
  std::memcpy(buffer, value.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

}  // namespace zaveredo::platform
