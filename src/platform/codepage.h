// Conversions between the platform's ANSI code page and UTF-16, after MultiByteToWideChar and
// WideCharToMultiByte with CP_ACP. On Linux the ANSI code page is the locale's character set:
// UTF-8 under a UTF-8 locale, Windows-1252 otherwise. Bytes that are not valid in the code page
// pass through unchanged, each as one UTF-16 unit of its own.
#pragma once

#include <string>
#include <string_view>

namespace zaveredo::platform {

std::u16string AnsiToWide(std::string_view text);
std::string WideToAnsi(std::u16string_view text);

// A program text kept in the source as UTF-8, converted to the ANSI code page.
std::string Utf8ToAnsi(std::string_view utf8);

// CharToOemA: the error report's conversion, in place, up to the first NUL (so a fault
// handler can use it). Nothing changes on Linux.
void AnsiToOemInPlace(char* text);

}  // namespace zaveredo::platform
