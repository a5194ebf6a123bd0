#include "phase_tables.h"

#include <algorithm>
#include <cstdio>

namespace zaveredo::bench {

namespace {

const PhaseResult* Find(const std::vector<PhaseResult>& results, const std::string& phase,
                        const std::string& type, long long count) {
  for (const PhaseResult& result : results)
    if (result.phase == phase && result.type == type && result.count == count) return &result;
  return nullptr;
}

std::string Ratio(double value, const PhaseResult* reference) {
  if (reference == nullptr || reference->nsPerElement <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value / reference->nsPerElement);
  return text;
}

std::string Row(const PhaseResult& result, const PhaseResult* sortExtended,
                const PhaseResult* fillDouble) {
  char ns[32];
  std::snprintf(ns, sizeof ns, "%.1f", result.nsPerElement);
  return "| " + result.type + " | " + ns + " | " + Ratio(result.nsPerElement, sortExtended) +
         " | " + Ratio(result.nsPerElement, fillDouble) + " |\n";
}

}  // namespace

std::string FormatPhaseTables(const std::vector<PhaseResult>& results) {
  long long count = 0;
  for (const PhaseResult& result : results) count = std::max(count, result.count);
  const PhaseResult* sortExtended = Find(results, "Sort", "extended", count);
  const PhaseResult* fillDouble = Find(results, "Fill", "double", count);
  std::string text;
  for (const char* phase : {"Fill", "Sort"}) {
    std::string rows;
    for (const PhaseResult& result : results)
      if (result.phase == phase && result.count == count)
        rows += Row(result, sortExtended, fillDouble);
    if (rows.empty()) continue;
    text += "\n" + std::string(phase) + ", " + std::to_string(count) + " elements\n\n";
    text += "| type | ns per element | / extended sort | / double fill |\n";
    text += "|---|---|---|---|\n" + rows;
  }
  return text;
}

}  // namespace zaveredo::bench
