#include <langinfo.h>
#include <locale.h>
#include <strings.h>

#include <atomic>

#include "platform/posix/codepage_convert.h"

namespace zaveredo::platform::posix {
namespace {

// -1 while undecided.
std::atomic<int> chosen{-1};

}  // namespace

// Reads the character set through a locale object of its own, so the process's global locale
// (and with it the number formatting other code reads) stays untouched.
bool LocaleIsUtf8(const char* localeName) {
  locale_t locale = ::newlocale(LC_CTYPE_MASK, localeName, static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return false;
  const char* codeset = ::nl_langinfo_l(CODESET, locale);
  bool utf8 = codeset != nullptr &&
              (::strcasecmp(codeset, "UTF-8") == 0 || ::strcasecmp(codeset, "UTF8") == 0);
  ::freelocale(locale);
  return utf8;
}

AnsiCodePage CurrentAnsiCodePage() {
  int value = chosen.load();
  if (value < 0) {
    value = static_cast<int>(LocaleIsUtf8("") ? AnsiCodePage::kUtf8 : AnsiCodePage::kWindows1252);
    chosen.store(value);
  }
  return static_cast<AnsiCodePage>(value);
}

void OverrideAnsiCodePage(AnsiCodePage codePage) {
  chosen.store(static_cast<int>(codePage));
}

}  // namespace zaveredo::platform::posix
