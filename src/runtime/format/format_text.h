// Fills the placeholders of a message text (%s, %d, %x, %p, in order; "%%" is a percent sign)
// into a fixed buffer. Nothing is allocated, so a fault handler can use it; whatever does not
// fit into 1023 characters is cut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zaveredo {

class FixedText {
 public:
  static constexpr std::size_t kCapacity = 1024;  // including the terminating NUL

  void Append(std::string_view text);
  void AppendChar(char c);
  // Upper-case hexadecimal, at least minDigits digits, zeros in front.
  void AppendHex(std::uint64_t value, int minDigits);
  void AppendDecimal(std::int64_t value);

  std::string_view View() const { return {text_, length_}; }
  const char* CString() const { return text_; }

 private:
  void AppendDigits(std::uint64_t value, unsigned base, int minDigits);

  char text_[kCapacity] = {};
  std::size_t length_ = 0;
};

// One value for a placeholder; each is shown by its own kind, whatever the letter.
struct FormatArg {
  enum class Kind { kText, kDecimal, kHex };
  Kind kind;
  std::string_view text;
  std::uint64_t number = 0;
  int digits = 0;

  static FormatArg Text(std::string_view text) { return {Kind::kText, text, 0, 0}; }
  static FormatArg Decimal(std::int64_t value) {
    return {Kind::kDecimal, {}, static_cast<std::uint64_t>(value), 0};
  }
  static FormatArg Hex(std::uint64_t value, int minDigits = 0) {
    return {Kind::kHex, {}, value, minDigits};
  }
  // A code or data address as %p shows it: all the digits of a pointer.
  static FormatArg Pointer(const void* address) {
    return Hex(reinterpret_cast<std::uintptr_t>(address), 2 * sizeof(void*));
  }
};

void FormatText(FixedText& out, std::string_view format, std::initializer_list<FormatArg> args);

// Plain decimal text of a 32-bit integer, independent of the locale: shortest digits, "-" before
// negatives, no separators or padding; -2147483648 in full.
std::string IntegerToText(std::int32_t value);

}  // namespace zaveredo
