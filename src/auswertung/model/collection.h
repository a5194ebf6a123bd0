// Everything read from the files named on the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "auswertung/model/description_pool.h"
#include "auswertung/read/header_placement.h"
#include "auswertung/read/record_store.h"

namespace zaveredo::auswertung {

struct FileError {
  std::string file;
  std::string reason;
};

// A record whose extra ";" can be placed in several ways: unreadable until the machines of all
// files are known and one reading names one of them.
struct AmbiguousRecord {
  std::size_t index = 0;  // in `Collection::records`
  RecordState stateOnceChosen = RecordState::kUnreadable;
  std::vector<HeaderPlacement> readings;
};

struct Collection {
  Records records;  // in reading order; foreign lines of a file of ours included
  std::vector<FileError> errors;
  std::vector<AmbiguousRecord> ambiguous;  // until PlaceAmbiguousRecords
  DescriptionPool descriptions;
};

// Reads the records of one file's bytes into the collection, numbering on from its last
// record; a file without one record of ours adds an error instead.
void AddFileRecords(Collection& collection, const std::string& file, std::string_view bytes);

// Chooses the reading of each ambiguous record that names a machine of the complete records, if
// only one does.
void PlaceAmbiguousRecords(Collection& collection);

Collection ReadCollection(const std::vector<std::string>& files);

}  // namespace zaveredo::auswertung
