#include "auswertung/views/number_text.h"

#include <cmath>
#include <cstdio>

#include "auswertung/read/text_decoding.h"
#include "platform/locale.h"

namespace zaveredo::auswertung {
namespace {

// A separator the output can carry: ASCII, or UTF-8 under a UTF-8 locale.
bool Usable(const char* separator) {
  return separator != nullptr && *separator != '\0' && IsValidUtf8(separator);
}

std::string Grouped(const std::string& digits, const std::string& grouping) {
  if (grouping.empty()) return digits;
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += grouping;
    out += digits[i];
  }
  return out;
}

}  // namespace

// Read without changing the process's locale: every other number the program writes (JSON,
// CSV) stays locale-free.
NumberStyle ReaderNumberStyle() {
  NumberStyle style;
  char decimal[16], grouping[16], sizes[64];
  if (platform::GetLocaleInfo(platform::kLocaleSDecimal, decimal, sizeof decimal) > 0 &&
      Usable(decimal)) {
    style.decimal = decimal;
  }
  const bool grouped =
      platform::GetLocaleInfo(platform::kLocaleSGrouping, sizes, sizeof sizes) > 0 &&
      sizes[0] >= '1' && sizes[0] <= '9';
  if (grouped &&
      platform::GetLocaleInfo(platform::kLocaleSThousand, grouping, sizeof grouping) > 0 &&
      Usable(grouping)) {
    style.grouping = grouping;
  }
  return style;
}

std::string FixedText(double value, int decimals, const NumberStyle& style) {
  if (!std::isfinite(value)) return "–";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
  std::string text = buffer;
  const std::size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  std::string out = (value < 0 && text.find_first_not_of("0.") != std::string::npos) ? "-" : "";
  out += Grouped(whole, style.grouping);
  if (point != std::string::npos) out += style.decimal + text.substr(point + 1);
  return out;
}

std::string RatioText(const std::optional<double>& ratio, const NumberStyle& style) {
  return ratio ? FixedText(*ratio, 3, style) : "–";
}

std::string PercentText(double fraction, const NumberStyle& style) {
  return FixedText(fraction * 100, 1, style) + " %";
}

}  // namespace zaveredo::auswertung
