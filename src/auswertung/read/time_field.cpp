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
std::optional<long long> ParseWholeSeconds(std::string_view text, char grouping) {
  if (text.find(grouping) == std::string_view::npos) return ParseWholeNumber(text);
  long long value = 0;
  std::size_t start = 0;
  for (bool first = true;; first = false) {
    const std::size_t end = text.find(grouping, start);
    const std::string_view group = text.substr(start, end - start);
    const bool sized = first ? (group.size() >= 1 && group.size() <= 3) : group.size() == 3;
    if (!sized || !AllDigits(group)) return std::nullopt;
    for (char c : group) value = value * 10 + (c - '0');
    if (value > kLargestWhole) return std::nullopt;
    if (end == std::string_view::npos) return value;
    start = end + 1;
  }
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
  const std::string_view decimals = text.substr(text.size() - 4);
  const char decimal = text[text.size() - 5];
  if (!AllDigits(decimals) || (decimal != ',' && decimal != '.')) return std::nullopt;
  const char grouping = decimal == ',' ? '.' : ',';
  const auto whole = ParseWholeSeconds(text.substr(0, text.size() - 5), grouping);
  if (!whole) return std::nullopt;
  TimeField field;
  field.tenThousandths = *whole * 10000 + *ParseWholeNumber(decimals);
  field.separators = decimal == ',' ? Separators::kGerman : Separators::kEnglish;
  return field;
}

}  // namespace zaveredo::auswertung
