// One record of a results file as the report sees it: the machine description, the times it
// holds, and what reading it found.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zaveredo::auswertung {

enum class RecordState {
  kComplete,    // all 38 fields; takes part in the comparisons
  kIncomplete,  // cut short; listed with the phases it has
  kUnreadable,  // looks like ours but its fields cannot be placed; `reason` says why
  kForeign,     // not a record of the benchmark at all
};

struct Record {
  int number = 0;    // 1-based over all files, in reading order
  std::string file;  // as named on the command line
  RecordState state = RecordState::kForeign;
  std::string reason;              // why it is unreadable or foreign
  std::vector<std::string> notes;  // what was recovered while reading it
  // Texts in UTF-8.
  std::string vendor;
  std::string processor;
  std::string os;
  std::string initials;
  std::optional<long long> mhz;
  std::optional<long long> processors;
  // The text of a record whose extra ";" could be placed in more than one way, kept for a
  // second reading once the collection's machines are known.
  std::string ambiguousText;
  // Seconds of the phases the record holds, in phase order; 32 when complete.
  std::vector<double> times;
};

}  // namespace zaveredo::auswertung
