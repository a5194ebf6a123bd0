// The 32 timed phases of a record: fill and sort of each element type, in the order the
// benchmark runs them.
#pragma once

#include <string_view>

namespace zaveredo::auswertung {

inline constexpr int kTypeCount = 16;
inline constexpr int kPhaseCount = 2 * kTypeCount;

// The type names as the benchmark prints them: real, real48, ..., Int64.
std::string_view TypeName(int type);

// The element type of phase p, and whether it is the fill (even p) or the sort.
inline int TypeOfPhase(int phase) {
  return phase / 2;
}
inline bool IsFillPhase(int phase) {
  return phase % 2 == 0;
}
inline int FillPhase(int type) {
  return 2 * type;
}
inline int SortPhase(int type) {
  return 2 * type + 1;
}

// "real fuellen", "real Sortieren": a phase as the text views name it.
std::string PhaseLabel(int phase);

}  // namespace zaveredo::auswertung
