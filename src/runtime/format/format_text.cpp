#include "runtime/format/format_text.h"

#include <cstring>

namespace zaveredo {

void FixedText::Append(std::string_view text) {
  std::size_t room = kCapacity - 1 - length_;
  std::size_t n = text.size() < room ? text.size() : room;
  std::memcpy(text_ + length_, text.data(), n);
  length_ += n;
  text_[length_] = '\0';
}

void FixedText::AppendChar(char c) {
  Append(std::string_view(&c, 1));
}

void FixedText::AppendDigits(std::uint64_t value, unsigned base, int minDigits) {
  char digits[64];
  int n = 0;
  do {
    digits[n++] = "0123456789ABCDEF"[value % base];
    value /= base;
  } while (value != 0);
  for (int i = n; i < minDigits; ++i) AppendChar('0');
  while (n > 0) AppendChar(digits[--n]);
}

void FixedText::AppendHex(std::uint64_t value, int minDigits) {
  AppendDigits(value, 16, minDigits);
}

void FixedText::AppendDecimal(std::int64_t value) {
  // Unsigned arithmetic, so the most negative value has its digits too.
  std::uint64_t magnitude = static_cast<std::uint64_t>(value);
  if (value < 0) {
    AppendChar('-');
    magnitude = 0 - magnitude;
  }
  AppendDigits(magnitude, 10, 0);
}

void FormatText(FixedText& out, std::string_view format, std::initializer_list<FormatArg> args) {
  const FormatArg* next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (c != '%' || i + 1 == format.size()) {
      out.AppendChar(c);
      continue;
    }
    char letter = format[++i];
    if (letter == '%' || next == args.end()) {
      out.AppendChar(letter == '%' ? '%' : c);
      if (letter != '%') out.AppendChar(letter);
      continue;
    }
    switch (next->kind) {
      case FormatArg::Kind::kText:
        out.Append(next->text);
        break;
      case FormatArg::Kind::kDecimal:
        out.AppendDecimal(static_cast<std::int64_t>(next->number));
        break;
      case FormatArg::Kind::kHex:
        out.AppendHex(next->number, next->digits);
        break;
    }
    ++next;
  }
}

std::string IntegerToText(std::int32_t value) {
  FixedText text;
  text.AppendDecimal(value);
  return std::string(text.View());
}

}  // namespace zaveredo
