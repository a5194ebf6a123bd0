// The closing tables of the workloads benchmark: for each phase (fill, sort) one row per
// element type with its nanoseconds per element and their ratio to the same run's extended
// sort and double fill, so that runs on different machines compare by shape.
#pragma once

#include <string>
#include <vector>

namespace zaveredo::bench {

struct PhaseResult {
  std::string phase;  // "Fill" or "Sort"
  std::string type;   // as the program prints it: "real48", "Byte", ...
  long long count;    // elements
  double nsPerElement;
};

// One Markdown table per phase, in the order the results came, at the largest count among
// them. A ratio whose reference was not measured shows as "-".
std::string FormatPhaseTables(const std::vector<PhaseResult>& results);

}  // namespace zaveredo::bench
