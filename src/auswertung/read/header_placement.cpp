#include "auswertung/read/header_placement.h"

#include "auswertung/read/text_decoding.h"
#include "auswertung/read/time_field.h"

namespace zaveredo::auswertung {
namespace {

constexpr std::size_t kMostInitials = 8;

using Pieces = std::span<const std::string_view>;

std::string Join(const Pieces& pieces, std::size_t first, std::size_t count) {
  std::string text;
  for (std::size_t i = first; i < first + count; ++i) {
    if (i > first) text += ';';
    text += pieces[i];
  }
  return text;
}

bool NoTimeAmong(const Pieces& pieces, std::size_t first, std::size_t count) {
  for (std::size_t i = first; i < first + count; ++i) {
    if (ParseTimeField(pieces[i])) return false;
  }
  return true;
}

// Whether the pieces hold another record's description: a processor name with "/" followed by
// two whole numbers. Texts that span such pieces are records glued together, not one record.
bool HoldsDescription(const Pieces& pieces, std::size_t first, std::size_t count) {
  for (std::size_t i = first; i + 2 < first + count; ++i) {
    if (pieces[i].find('/') != std::string_view::npos && ParseWholeNumber(pieces[i + 1]) &&
        ParseWholeNumber(pieces[i + 2]))
      return true;
  }
  return false;
}

std::size_t PiecesWithSlash(const Pieces& pieces, std::size_t first, std::size_t count) {
  std::size_t found = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    if (pieces[i].find('/') != std::string_view::npos) ++found;
  }
  return found;
}

// The OS name and the initials share the pieces behind the processor count.
void PlaceOsAndInitials(const Pieces& pieces, HeaderPlacement base, std::size_t first,
                        std::vector<HeaderPlacement>& out) {
  const std::size_t rest = pieces.size() - first;  // at least 2
  // Only a ";" to place needs the time shape to tell the texts from the times; two pieces are
  // the OS name and the initials by position, whatever they look like ("01.2024" as initials).
  if (rest > 2 && (!NoTimeAmong(pieces, first, rest) || HoldsDescription(pieces, first, rest)))
    return;
  for (std::size_t initialsCount = 1; initialsCount < rest; ++initialsCount) {
    const std::size_t osCount = rest - initialsCount;
    std::string initials = Join(pieces, first + osCount, initialsCount);
    if (CharacterCount(initials) > kMostInitials) break;
    HeaderPlacement placement = base;
    placement.description.os = Join(pieces, first, osCount);
    placement.description.initials = std::move(initials);
    placement.splitsInOs = static_cast<int>(osCount) - 1;
    placement.splitsInInitials = static_cast<int>(initialsCount) - 1;
    out.push_back(std::move(placement));
  }
}

}  // namespace

std::vector<HeaderPlacement> PlaceHeader(Pieces pieces) {
  std::vector<HeaderPlacement> out;
  if (pieces.size() < 6) return out;
  const std::size_t extra = pieces.size() - 6;
  for (std::size_t inProcessor = 0; inProcessor <= extra; ++inProcessor) {
    const auto mhz = ParseWholeNumber(pieces[2 + inProcessor]);
    const auto processors = ParseWholeNumber(pieces[3 + inProcessor]);
    if (!mhz || !processors) continue;
    HeaderPlacement base;
    base.description.vendor = std::string(pieces[0]);
    base.description.processor = Join(pieces, 1, inProcessor + 1);
    // One "/" is the processor's own; another in a second piece is a second record's.
    const std::size_t slashes = PiecesWithSlash(pieces, 1, inProcessor + 1);
    if (slashes == 0 || (inProcessor > 0 && slashes > 1)) continue;
    base.description.mhz = *mhz;
    base.description.processors = *processors;
    base.splitsInProcessor = static_cast<int>(inProcessor);
    PlaceOsAndInitials(pieces, std::move(base), 4 + inProcessor, out);
  }
  return out;
}

std::vector<std::string> PlacementNotes(const HeaderPlacement& placement) {
  std::vector<std::string> notes;
  if (placement.splitsInProcessor > 0) {
    notes.push_back("Der Prozessorname enthält \";\"; die Felder wurden zugeordnet.");
  }
  if (placement.splitsInOs > 0) {
    notes.push_back("Der Name des Betriebssystems enthält \";\"; die Felder wurden zugeordnet.");
  }
  if (placement.splitsInInitials > 0) {
    notes.push_back("Das Kürzel enthält \";\"; die Felder wurden zugeordnet.");
  }
  return notes;
}

}  // namespace zaveredo::auswertung
