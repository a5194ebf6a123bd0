// Everything read from the files named on the command line.
#pragma once

#include <string>
#include <vector>

#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

struct FileError {
  std::string file;
  std::string reason;
};

struct Collection {
  std::vector<Record> records;  // in reading order; foreign lines of a file of ours included
  std::vector<FileError> errors;
};

// Reads the records of one file's bytes into the collection, numbering on from its last
// record; a file without one record of ours adds an error instead.
void AddFileRecords(Collection& collection, const std::string& file, std::string_view bytes);

// Second reading of the records whose extra ";" could be placed in several ways, now that the
// machines of the complete records are known.
void PlaceAmbiguousRecords(Collection& collection);

Collection ReadCollection(const std::vector<std::string>& files);

}  // namespace zaveredo::auswertung
