#include "auswertung/collection.h"

#include <algorithm>

#include "auswertung/input_file.h"
#include "auswertung/machine_key.h"
#include "auswertung/record_lines.h"
#include "auswertung/record_parser.h"
#include "auswertung/text_decoding.h"

namespace zaveredo::auswertung {

void AddFileRecords(Collection& collection, const std::string& file, std::string_view bytes) {
  const std::vector<std::string_view> lines = SplitRecordLines(bytes);
  std::vector<Record> records;
  records.reserve(lines.size());
  for (std::string_view line : lines) {
    records.push_back(ParseRecordLine(line));
  }
  const bool ours = std::any_of(records.begin(), records.end(),
                                [](const Record& r) { return r.state != RecordState::kForeign; });
  if (!ours) {
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
