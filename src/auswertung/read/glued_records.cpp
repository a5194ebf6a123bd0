#include "auswertung/read/glued_records.h"

#include <algorithm>

#include "auswertung/model/phases.h"
#include "auswertung/read/time_field.h"

namespace zaveredo::auswertung {
namespace {

// A ";" in a processor name is rare; a few of them are looked past to find its "/".
constexpr std::size_t kMostProcessorPieces = 4;

struct Piece {
  std::size_t start;
  std::string_view text;
};

std::vector<Piece> ClosedPieces(std::string_view line) {
  std::vector<Piece> pieces;
  pieces.reserve(kPhaseCount + 6);
  std::size_t start = 0;
  for (std::size_t end; (end = line.find(';', start)) != std::string_view::npos; start = end + 1) {
    pieces.push_back({start, line.substr(start, end - start)});
  }
  return pieces;
}

bool IsTime(const Piece& piece) {
  return ParseTimeField(piece.text).has_value();
}

// A description starts at `vendor`: a processor name with its "/" (over a few pieces at most),
// then two whole numbers.
bool DescriptionAt(const std::vector<Piece>& pieces, std::size_t vendor) {
  bool slash = false;
  for (std::size_t last = vendor + 1;
       last <= vendor + kMostProcessorPieces && last + 2 < pieces.size(); ++last) {
    slash = slash || pieces[last].text.find('/') != std::string_view::npos;
    if (slash && ParseWholeNumber(pieces[last + 1].text) && ParseWholeNumber(pieces[last + 2].text))
      return true;
  }
  return false;
}

// The length of a time's head at the start of the text: digits and separators.
std::size_t TimeHead(std::string_view text) {
  const std::size_t head = text.find_first_not_of("0123456789,.");
  return head == std::string_view::npos ? text.size() : head;
}

// The times in an unbroken run in front of piece `i`, counted up to kPhaseCount.
std::size_t TimesBefore(const std::vector<Piece>& pieces, std::size_t i) {
  std::size_t times = 0;
  while (times < i && times < kPhaseCount && IsTime(pieces[i - 1 - times])) ++times;
  return times;
}

}  // namespace

// A record begins behind a time at a piece that is no time and starts a description. A
// description needs a "/" within a few pieces, so only the pieces in front of one are looked at,
// not each of the 32 times of every record.
std::vector<std::string_view> SplitGluedRecords(std::string_view line) {
  const std::vector<Piece> pieces = ClosedPieces(line);
  std::vector<std::string_view> parts;
  std::size_t partStart = 0;
  std::size_t next = 1;  // the first piece not looked at yet; the line's first begins no new one
  std::size_t slash = 0;
  for (std::size_t at = line.find('/'); at != std::string_view::npos; at = line.find('/', at + 1)) {
    while (slash < pieces.size() && pieces[slash].start + pieces[slash].text.size() <= at) ++slash;
    if (slash == pieces.size()) break;
    const std::size_t first = slash > kMostProcessorPieces ? slash - kMostProcessorPieces : 0;
    for (std::size_t i = std::max(next, first); i < slash; ++i) {
      if (IsTime(pieces[i]) || !DescriptionAt(pieces, i)) continue;
      const std::size_t timesBefore = TimesBefore(pieces, i);
      if (timesBefore == 0) continue;
      // One that was cut short may have left the head of a time in front of the vendor.
      parts.push_back(line.substr(partStart, pieces[i].start - partStart));
      partStart = pieces[i].start;
      if (timesBefore < kPhaseCount) partStart += TimeHead(pieces[i].text);
    }
    next = std::max(next, slash);
  }
  parts.push_back(line.substr(partStart));
  return parts;
}

}  // namespace zaveredo::auswertung
