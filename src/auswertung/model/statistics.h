// The few statistics the comparisons need.
#pragma once

#include <optional>
#include <vector>

namespace zaveredo::auswertung {

// The middle value; the mean of the two middle ones for an even count. Reorders `values`.
double Median(std::vector<double>& values);

// Geometric mean of positive ratios, none for an empty list.
std::optional<double> GeometricMean(const std::vector<double>& ratios);

}  // namespace zaveredo::auswertung
