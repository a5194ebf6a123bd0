#include "auswertung/formats/seconds_text.h"

#include <charconv>
#include <cmath>

namespace zaveredo::auswertung {

void AppendWholeNumber(std::string& out, long long number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out.append(digits, end);
}

void AppendSeconds(std::string& out, double seconds, Decimals decimals) {
  const long long ticks = std::llround(seconds * 10000);
  AppendWholeNumber(out, ticks / 10000);
  out += '.';
  int fraction = static_cast<int>(ticks % 10000);
  int digits = 4;
  if (decimals == Decimals::kShortest) {
    if (fraction == 0) {
      out += '0';
      return;
    }
    for (; fraction % 10 == 0; fraction /= 10) --digits;
  }
  const std::size_t end = out.size() + static_cast<std::size_t>(digits);
  out.append(static_cast<std::size_t>(digits), '0');
  for (std::size_t i = end; fraction > 0; fraction /= 10) {
    out[--i] = static_cast<char>('0' + fraction % 10);
  }
}

}  // namespace zaveredo::auswertung
