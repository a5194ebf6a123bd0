#include "auswertung/read/time_field.h"

namespace zaveredo::auswertung {
namespace {

constexpr long long kLargestWhole =
    100'000'000'000'000LL;  // far beyond any run, far below overflow

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// The whole seconds: digits, or groups of three behind a first group of one to three digits.
// One pass: every record holds 32 of them, and a collection millions.
std::optional<long long> ParseWholeSeconds(std::string_view text, char grouping) {
  long long value = 0;
  std::size_t digits = 0;  // in the group being read
  bool grouped = false;
  for (char c : text) {
    if (IsDigit(c)) {
      if (++digits > 15) return std::nullopt;
      value = value * 10 + (c - '0');
    } else if (c == grouping) {
      const bool sized = grouped ? digits == 3 : digits >= 1 && digits <= 3;
      if (!sized || value > kLargestWhole) return std::nullopt;
      grouped = true;
      digits = 0;
    } else {
      return std::nullopt;
    }
  }
  if (grouped ? digits != 3 || value > kLargestWhole : digits == 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<long long> ParseWholeNumber(std::string_view text) {
  if (!AllDigits(text) || text.size() > 15) return std::nullopt;
  long long value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

std::optional<TimeField> ParseTimeField(std::string_view text) {
  if (text.size() < 6) return std::nullopt;
  const char decimal = text[text.size() - 5];
  if (decimal != ',' && decimal != '.') return std::nullopt;
  long long decimals = 0;
  for (char c : text.substr(text.size() - 4)) {
    if (!IsDigit(c)) return std::nullopt;
    decimals = decimals * 10 + (c - '0');
  }
  const char grouping = decimal == ',' ? '.' : ',';
  const auto whole = ParseWholeSeconds(text.substr(0, text.size() - 5), grouping);
  if (!whole) return std::nullopt;
  TimeField field;
  field.tenThousandths = *whole * 10000 + decimals;
  field.separators = decimal == ',' ? Separators::kGerman : Separators::kEnglish;
  return field;
}

}  // namespace zaveredo::auswertung
