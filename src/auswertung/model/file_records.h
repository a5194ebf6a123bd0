// The records of one file, added to the collection as the file's bytes arrive.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "auswertung/model/collection.h"
#include "auswertung/read/record_lines.h"
#include "auswertung/read/record_parser.h"

namespace zaveredo::auswertung {

class FileRecords {
 public:
  FileRecords(Collection& collection, const std::string& file);
  FileRecords(const FileRecords&) = delete;
  FileRecords& operator=(const FileRecords&) = delete;

  void Add(std::string_view bytes);
  // The file is read: its records stay, or, when it holds none of ours, an error instead.
  void Finish();
  // The file could not be read to its end: its records are taken back and the reason stays.
  void Fail(const std::string& reason);

 private:
  void Line(std::string_view line);
  void EndOfText();
  void Take(ParsedRecord parsed);
  void DropFrom(std::size_t index);

  Collection& collection_;
  std::string name_;
  std::shared_ptr<const std::string> file_;  // the name in UTF-8, shared by the records
  std::size_t first_;                        // index of the file's first record
  std::size_t textStart_;                    // of the text being read
  std::optional<std::size_t> firstOursInText_;
  bool behindEndOfText_ = false;  // the text follows a byte 26
  bool holdsOurs_ = false;
  bool empty_ = true;
  RecordLines lines_;
};

}  // namespace zaveredo::auswertung
