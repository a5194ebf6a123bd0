#include "platform/codepage.h"

#include "platform/posix/codepage_convert.h"

namespace zaveredo::platform {

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
