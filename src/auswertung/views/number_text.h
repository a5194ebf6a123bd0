// Numbers for people: fixed decimals with the reader's decimal and grouping separators.
#pragma once

#include <optional>
#include <string>

namespace zaveredo::auswertung {

struct NumberStyle {
  std::string decimal = ".";
  std::string grouping;  // empty: no grouping
};

// The separators of the locale the environment selects (LC_ALL, LC_NUMERIC, LANG).
NumberStyle ReaderNumberStyle();

std::string FixedText(double value, int decimals, const NumberStyle& style);

// A time in seconds with four decimals.
inline std::string TimeText(double seconds, const NumberStyle& style) {
  return FixedText(seconds, 4, style);
}

// A ratio with three decimals, "–" for none.
std::string RatioText(const std::optional<double>& ratio, const NumberStyle& style);

// A relative spread as a percentage with one decimal: "12,3 %".
std::string PercentText(double fraction, const NumberStyle& style);

}  // namespace zaveredo::auswertung
