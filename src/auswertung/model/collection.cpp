#include "auswertung/model/collection.h"

#include <algorithm>
#include <iterator>

#include "auswertung/model/machine_key.h"
#include "auswertung/read/glued_records.h"
#include "auswertung/read/input_file.h"
#include "auswertung/read/record_lines.h"
#include "auswertung/read/record_parser.h"
#include "auswertung/read/text_decoding.h"

namespace zaveredo::auswertung {

namespace {

std::vector<Record> ParseLines(std::string_view text) {
  std::vector<Record> records;
  // Joined files are the usual way to gather records, so a glued record carries no note.
  for (std::string_view line : SplitRecordLines(text)) {
    for (std::string_view part : SplitGluedRecords(line)) records.push_back(ParseRecordLine(part));
  }
  return records;
}

bool HoldsOurs(const std::vector<Record>& records) {
  return std::any_of(records.begin(), records.end(),
                     [](const Record& r) { return r.state != RecordState::kForeign; });
}

// A byte 26 ends the text, but a run appends behind one that lies far enough before the end:
// the text behind each byte 26 is read on when it holds records of ours.
std::vector<Record> ParseFileText(std::string_view bytes) {
  std::size_t end = bytes.find('\x1A');
  std::vector<Record> records = ParseLines(bytes.substr(0, end));
  while (end != std::string_view::npos) {
    const std::size_t start = end + 1;
    end = bytes.find('\x1A', start);
    std::vector<Record> behind = ParseLines(bytes.substr(start, end - start));
    const auto first = std::find_if(behind.begin(), behind.end(), [](const Record& r) {
      return r.state != RecordState::kForeign;
    });
    if (first == behind.end()) continue;
    first->notes.push_back(
        "Steht hinter einem Byte 26 (Strg-Z) mitten in der Datei; die Datensätze dahinter "
        "wurden gelesen.");
    std::move(behind.begin(), behind.end(), std::back_inserter(records));
  }
  return records;
}

}  // namespace

void AddFileRecords(Collection& collection, const std::string& file, std::string_view bytes) {
  std::vector<Record> records = ParseFileText(bytes);
  if (!HoldsOurs(records)) {
    collection.errors.push_back({file, bytes.empty() ? "Die Datei ist leer."
                                                     : "Die Datei enthält keinen Datensatz "
                                                       "von zaveredo2."});
    return;
  }
  int number = static_cast<int>(collection.records.size());
  collection.records.reserve(collection.records.size() + records.size());
  for (Record& record : records) {
    record.number = ++number;
    record.file = DecodeRecordText(file);
    collection.records.push_back(std::move(record));
  }
}

void PlaceAmbiguousRecords(Collection& collection) {
  KnownMachines known;
  for (const Record& record : collection.records) {
    if (record.state == RecordState::kComplete) known.insert(KeyOf(record));
  }
  for (Record& record : collection.records) {
    if (record.ambiguousText.empty()) continue;
    Record again = ParseRecordLine(record.ambiguousText, &known);
    if (!again.ambiguousText.empty()) continue;
    again.number = record.number;
    again.file = std::move(record.file);
    record = std::move(again);
  }
}

Collection ReadCollection(const std::vector<std::string>& files) {
  Collection collection;
  for (const std::string& file : files) {
    const InputFile input = ReadInputFile(file);
    if (!input.error.empty()) {
      collection.errors.push_back({file, input.error});
      continue;
    }
    AddFileRecords(collection, file, input.bytes);
  }
  PlaceAmbiguousRecords(collection);
  return collection;
}

}  // namespace zaveredo::auswertung
