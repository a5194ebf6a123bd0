// Code-page conversions through the system's own tables.
#include "platform/codepage.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

std::u16string ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return std::u16string();
  int length = static_cast<int>(text.size());
  int count = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(count), u'\0');
  if (count > 0) {
    ::MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                          count);
  }
  return wide;
}

std::string FromWide(UINT codePage, std::u16string_view text) {
  if (text.empty()) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = static_cast<int>(text.size());
  int count = ::WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(count), '\0');
  if (count > 0) {
    ::WideCharToMultiByte(codePage, 0, wide, length, bytes.data(), count, nullptr, nullptr);
  }
  return bytes;
}

}  // namespace

std::u16string AnsiToWide(std::string_view text) {
  return ToWide(CP_ACP, text);
}

std::string WideToAnsi(std::u16string_view text) {
  return FromWide(CP_ACP, text);
}

std::string Utf8ToAnsi(std::string_view utf8) {
  return FromWide(CP_ACP, ToWide(CP_UTF8, utf8));
}

void AnsiToOemInPlace(char* text) {
  ::CharToOemA(text, text);
}

}  // namespace zaveredo::platform
