#include "auswertung/model/statistics.h"

#include <algorithm>
#include <cmath>

namespace zaveredo::auswertung {

double Median(std::vector<double>& values) {
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                   values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const double lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2;
}

std::optional<double> GeometricMean(const std::vector<double>& ratios) {
  if (ratios.empty()) return std::nullopt;
  double logSum = 0;
  for (double ratio : ratios) logSum += std::log(ratio);
  return std::exp(logSum / static_cast<double>(ratios.size()));
}

}  // namespace zaveredo::auswertung
