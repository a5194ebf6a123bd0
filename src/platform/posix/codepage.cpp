// The ANSI code page of the process, chosen once from the locale, and the conversions through it.
#include "platform/codepage.h"

#include <langinfo.h>
#include <locale.h>
#include <strings.h>

#include <atomic>

#include "platform/posix/codepage_convert.h"

namespace zaveredo::platform {

namespace posix {
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

}  // namespace posix

using posix::AnsiCodePage;
using posix::CurrentAnsiCodePage;

std::u16string AnsiToWide(std::string_view text) {
  return CurrentAnsiCodePage() == AnsiCodePage::kUtf8 ? posix::Utf8ToWide(text)
                                                      : posix::Windows1252ToWide(text);
}

std::string WideToAnsi(std::u16string_view text) {
  return CurrentAnsiCodePage() == AnsiCodePage::kUtf8 ? posix::WideToUtf8(text)
                                                      : posix::WideToWindows1252(text);
}

std::string Utf8ToAnsi(std::string_view utf8) {
  if (CurrentAnsiCodePage() == AnsiCodePage::kUtf8) return std::string(utf8);
  return posix::WideToWindows1252(posix::Utf8ToWide(utf8));
}

// Linux consoles show the ANSI text as it is.
void AnsiToOemInPlace(char*) {}

}  // namespace zaveredo::platform
