// One record line read into its fields: complete, cut short, unreadable, or not ours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "auswertung/read/header_placement.h"
#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

struct ParsedRecord {
  RecordState state = RecordState::kForeign;
  std::string reason;              // why it is unreadable or foreign
  std::vector<std::string> notes;  // what was recovered; a chosen reading adds its own
  // The readings of the description: none, or the one it has. Several when its extra ";" can be
  // placed in more than one way: the record is then unreadable until the reader of the whole
  // collection chooses one, and becomes `stateOnceChosen`.
  std::vector<HeaderPlacement> readings;
  RecordState stateOnceChosen = RecordState::kUnreadable;
  RecordTimes times;

  bool Ambiguous() const { return readings.size() > 1; }
  // The one reading's description; empty when there is none or there are several.
  const MachineDescription& Description() const;
};

// The reason an ambiguous record keeps when no reading can be chosen.
extern const char* const kAmbiguousReason;

ParsedRecord ParseRecordLine(std::string_view line);

}  // namespace zaveredo::auswertung
