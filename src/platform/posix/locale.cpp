#include "platform/locale.h"

#include <langinfo.h>
#include <locale.h>

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

}  // namespace

int GetLocaleInfo(std::uint32_t type, char* buffer, int size) {
  nl_item item;
  if (type == kLocaleSDecimal) {
    item = RADIXCHAR;
  } else if (type == kLocaleSThousand) {
    item = THOUSEP;
  } else {
    return 0;
  }
  std::string value = NumericItem(item);
  int needed = static_cast<int>(value.size()) + 1;
  if (buffer == nullptr || size < needed) return 0;
  std::memcpy(buffer, value.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

}  // namespace zaveredo::platform
