#include "auswertung/read/record_parser.h"

#include <optional>
#include <string>
#include <vector>

#include "auswertung/model/phases.h"
#include "auswertung/read/header_placement.h"
#include "auswertung/read/text_decoding.h"
#include "auswertung/read/time_field.h"

namespace zaveredo::auswertung {
namespace {

constexpr std::size_t kHeaderFields = 6;
constexpr std::size_t kRecordFields = kHeaderFields + kPhaseCount;
// The three texts that may hold ";" are short (a processor name and identifier, an OS name,
// eight characters of initials); more extra fields than this are not a run's record, and
// placing them would take time that grows with their square.
constexpr std::size_t kMostExtraFields = 64;

using Pieces = std::vector<std::string_view>;

// The fields closed by ";". A last piece without its ";" was cut off and is left out.
Pieces ClosedFields(std::string_view text) {
  Pieces pieces;
  pieces.reserve(kRecordFields);
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(';', start)) != std::string_view::npos; start = end + 1) {
    pieces.push_back(text.substr(start, end - start));
  }
  return pieces;
}

struct Times {
  RecordTimes times;
  std::string error;  // empty when every field is a time in one convention
};

Times ReadTimes(const Pieces& pieces, std::size_t first) {
  Times times;
  std::optional<Separators> convention;
  for (std::size_t i = first; i < pieces.size(); ++i) {
    const auto field = ParseTimeField(pieces[i]);
    if (!field) {
      times.error =
          "Feld " + std::to_string(i + 1) + " ist keine Zeit: \"" + std::string(pieces[i]) + "\".";
      return times;
    }
    if (convention && *convention != field->separators) {
      times.error = "Die Zeiten mischen deutsche und englische Trennzeichen.";
      return times;
    }
    convention = field->separators;
    times.times.push_back(field->tenThousandths);
  }
  return times;
}

void TakePlacement(ParsedRecord& record, HeaderPlacement placement) {
  for (auto& note : PlacementNotes(placement)) record.notes.push_back(std::move(note));
  record.readings.push_back(std::move(placement));
}

ParsedRecord Unreadable(std::string reason) {
  ParsedRecord record;
  record.state = RecordState::kUnreadable;
  record.reason = std::move(reason);
  return record;
}

ParsedRecord Foreign() {
  ParsedRecord record;
  record.state = RecordState::kForeign;
  record.reason = "Kein Datensatz von zaveredo2.";
  return record;
}

const char* const kNoDescription =
    "Die Beschreibung der Maschine passt nicht: Felder 3 und 4 (MHz, Anzahl Prozessoren) "
    "müssen ganze Zahlen sein, der Prozessorname enthält \"/\", das Kürzel höchstens 8 Zeichen.";

// The record with its readings: placed when there is one, else left for the collection to
// choose among.
ParsedRecord Placed(RecordState state, std::vector<HeaderPlacement> placements, RecordTimes times) {
  ParsedRecord record;
  if (placements.size() == 1) {
    record.state = state;
    TakePlacement(record, std::move(placements.front()));
  } else {
    record = Unreadable(kAmbiguousReason);
    record.stateOnceChosen = state;
    record.readings = std::move(placements);
  }
  record.times = times;
  return record;
}

// 38 or more fields: the last 32 are the times, the rest the description.
ParsedRecord ParseFull(const Pieces& pieces) {
  if (pieces.size() > kRecordFields + kMostExtraFields) {
    return Unreadable("Zu viele Felder für einen Datensatz: " + std::to_string(pieces.size()) +
                      ".");
  }
  const std::size_t headerCount = pieces.size() - kPhaseCount;
  auto placements = PlaceHeader(std::span(pieces).first(headerCount));
  Times times = ReadTimes(pieces, headerCount);
  if (placements.empty()) return times.error.empty() ? Unreadable(kNoDescription) : Foreign();
  if (!times.error.empty()) {
    ParsedRecord record = Unreadable(times.error);
    if (placements.size() == 1) TakePlacement(record, std::move(placements.front()));
    return record;
  }
  return Placed(RecordState::kComplete, std::move(placements), times.times);
}

// Fewer than six fields: what there is of the description, in its places.
ParsedRecord ParseShortDescription(const Pieces& pieces) {
  if (pieces.size() < 2 || pieces[1].find('/') == std::string_view::npos) return Foreign();
  std::optional<long long> numbers[2];
  for (std::size_t i = 2; i < pieces.size() && i < 4; ++i) {
    numbers[i - 2] = ParseWholeNumber(pieces[i]);
    if (!numbers[i - 2]) return Foreign();
  }
  HeaderPlacement placement;
  placement.description.vendor = std::string(pieces[0]);
  placement.description.processor = std::string(pieces[1]);
  placement.description.mhz = numbers[0];
  placement.description.processors = numbers[1];
  if (pieces.size() > 4) placement.description.os = std::string(pieces[4]);
  ParsedRecord record;
  record.state = RecordState::kIncomplete;
  record.readings.push_back(std::move(placement));
  return record;
}

// A record cut short: the description is the shortest head after which every field is a time,
// fewer than 32 of them.
ParsedRecord ParseCut(const Pieces& pieces) {
  if (pieces.size() < kHeaderFields) return ParseShortDescription(pieces);
  for (std::size_t headerCount = kHeaderFields; headerCount <= pieces.size(); ++headerCount) {
    if (pieces.size() - headerCount >= kPhaseCount) continue;
    Times times = ReadTimes(pieces, headerCount);
    if (!times.error.empty()) continue;
    auto placements = PlaceHeader(std::span(pieces).first(headerCount));
    if (placements.empty()) continue;
    return Placed(RecordState::kIncomplete, std::move(placements), times.times);
  }
  return Foreign();
}

}  // namespace

const char* const kAmbiguousReason =
    "Die zusätzlichen \";\" lassen sich nicht eindeutig einem Feld zuordnen.";

const MachineDescription& ParsedRecord::Description() const {
  return readings.size() == 1 ? readings.front().description : *NoDescription();
}

ParsedRecord ParseRecordLine(std::string_view line) {
  // Most records are valid UTF-8 already and are read where they lie.
  std::string decoded;
  if (!IsValidUtf8(line)) decoded = DecodeRecordText(line);
  const Pieces pieces = ClosedFields(decoded.empty() ? line : std::string_view(decoded));
  if (pieces.size() < kRecordFields) return ParseCut(pieces);
  ParsedRecord record = ParseFull(pieces);
  // A record with a ";" in its description, cut short, can still hold 38 fields.
  if (record.state == RecordState::kForeign) return ParseCut(pieces);
  return record;
}

}  // namespace zaveredo::auswertung
