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
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(';', start)) != std::string_view::npos; start = end + 1) {
    pieces.push_back(text.substr(start, end - start));
  }
  return pieces;
}

struct Times {
  std::vector<double> seconds;
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
    times.seconds.push_back(field->Seconds());
  }
  return times;
}

void TakePlacement(Record& record, const HeaderPlacement& placement) {
  record.vendor = placement.vendor;
  record.processor = placement.processor;
  record.mhz = placement.mhz;
  record.processors = placement.processors;
  record.os = placement.os;
  record.initials = placement.initials;
  for (auto& note : PlacementNotes(placement)) record.notes.push_back(std::move(note));
}

Record Unreadable(std::string reason) {
  Record record;
  record.state = RecordState::kUnreadable;
  record.reason = std::move(reason);
  return record;
}

Record Foreign() {
  Record record;
  record.state = RecordState::kForeign;
  record.reason = "Kein Datensatz von zaveredo2.";
  return record;
}

const char* const kAmbiguous =
    "Die zusätzlichen \";\" lassen sich nicht eindeutig einem Feld zuordnen.";
const char* const kNoDescription =
    "Die Beschreibung der Maschine passt nicht: Felder 3 und 4 (MHz, Anzahl Prozessoren) "
    "müssen ganze Zahlen sein, der Prozessorname enthält \"/\", das Kürzel höchstens 8 Zeichen.";

// The one reading to take, if there is one; else the record stays unreadable.
struct Choice {
  const HeaderPlacement* placement = nullptr;
  bool byKnownMachine = false;
};

Choice Choose(const std::vector<HeaderPlacement>& placements, const KnownMachines* known) {
  if (placements.size() == 1) return {&placements.front(), false};
  if (known == nullptr) return {};
  const HeaderPlacement* found = nullptr;
  for (const HeaderPlacement& p : placements) {
    if (known->count({p.vendor, p.processor, p.processors, p.os}) == 0) continue;
    if (found != nullptr) return {};
    found = &p;
  }
  return {found, true};
}

Record Placed(RecordState state, const Choice& choice, std::vector<double> times) {
  Record record;
  record.state = state;
  TakePlacement(record, *choice.placement);
  if (choice.byKnownMachine) {
    record.notes.push_back("Zugeordnet wie die übrigen Datensätze derselben Maschine.");
  }
  record.times = std::move(times);
  return record;
}

Record Ambiguous(const std::string& text) {
  Record record = Unreadable(kAmbiguous);
  record.ambiguousText = text;
  return record;
}

// 38 or more fields: the last 32 are the times, the rest the description.
Record ParseFull(const std::string& text, const Pieces& pieces, const KnownMachines* known) {
  if (pieces.size() > kRecordFields + kMostExtraFields) {
    return Unreadable("Zu viele Felder für einen Datensatz: " + std::to_string(pieces.size()) +
                      ".");
  }
  const std::size_t headerCount = pieces.size() - kPhaseCount;
  const auto placements = PlaceHeader(Pieces(pieces.begin(), pieces.begin() + headerCount));
  Times times = ReadTimes(pieces, headerCount);
  if (placements.empty()) return times.error.empty() ? Unreadable(kNoDescription) : Foreign();
  if (!times.error.empty()) {
    Record record = Unreadable(times.error);
    if (placements.size() == 1) TakePlacement(record, placements.front());
    return record;
  }
  const Choice choice = Choose(placements, known);
  if (choice.placement == nullptr) return Ambiguous(text);
  return Placed(RecordState::kComplete, choice, std::move(times.seconds));
}

// Fewer than six fields: what there is of the description, in its places.
Record ParseShortDescription(const Pieces& pieces) {
  Record record;
  if (pieces.size() < 2 || pieces[1].find('/') == std::string_view::npos) return Foreign();
  std::optional<long long> numbers[2];
  for (std::size_t i = 2; i < pieces.size() && i < 4; ++i) {
    numbers[i - 2] = ParseWholeNumber(pieces[i]);
    if (!numbers[i - 2]) return Foreign();
  }
  record.state = RecordState::kIncomplete;
  record.vendor = std::string(pieces[0]);
  record.processor = std::string(pieces[1]);
  record.mhz = numbers[0];
  record.processors = numbers[1];
  if (pieces.size() > 4) record.os = std::string(pieces[4]);
  return record;
}

// A record cut short: the description is the shortest head after which every field is a time,
// fewer than 32 of them.
Record ParseCut(const std::string& text, const Pieces& pieces, const KnownMachines* known) {
  if (pieces.size() < kHeaderFields) return ParseShortDescription(pieces);
  for (std::size_t headerCount = kHeaderFields; headerCount <= pieces.size(); ++headerCount) {
    if (pieces.size() - headerCount >= kPhaseCount) continue;
    Times times = ReadTimes(pieces, headerCount);
    if (!times.error.empty()) continue;
    const auto placements = PlaceHeader(Pieces(pieces.begin(), pieces.begin() + headerCount));
    if (placements.empty()) continue;
    const Choice choice = Choose(placements, known);
    if (choice.placement == nullptr) return Ambiguous(text);
    return Placed(RecordState::kIncomplete, choice, std::move(times.seconds));
  }
  return Foreign();
}

}  // namespace

Record ParseRecordLine(std::string_view line, const KnownMachines* known) {
  const std::string text = DecodeRecordText(line);
  const Pieces pieces = ClosedFields(text);
  if (pieces.size() < kRecordFields) return ParseCut(text, pieces, known);
  Record record = ParseFull(text, pieces, known);
  // A record with a ";" in its description, cut short, can still hold 38 fields.
  if (record.state == RecordState::kForeign) return ParseCut(text, pieces, known);
  return record;
}

}  // namespace zaveredo::auswertung
