#include "auswertung/read/glued_records.h"

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

}  // namespace

std::vector<std::string_view> SplitGluedRecords(std::string_view line) {
  const std::vector<Piece> pieces = ClosedPieces(line);
  std::vector<std::string_view> parts;
  std::size_t partStart = 0;
  std::size_t timesBefore = 0;  // the run of times that ends at the piece before
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (IsTime(pieces[i])) {
      ++timesBefore;
      continue;
    }
    // A record's times end here and a description begins: a new record. One that was cut short
    // may have left the head of a time in front of the vendor.
    if (timesBefore > 0 && DescriptionAt(pieces, i)) {
      parts.push_back(line.substr(partStart, pieces[i].start - partStart));
      partStart = pieces[i].start;
      if (timesBefore < kPhaseCount) partStart += TimeHead(pieces[i].text);
    }
    timesBefore = 0;
  }
  parts.push_back(line.substr(partStart));
  return parts;
}

}  // namespace zaveredo::auswertung
