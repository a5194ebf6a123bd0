#include "auswertung/collection.h"

#include <algorithm>

#include "auswertung/input_file.h"
#include "auswertung/record_lines.h"
#include "auswertung/record_parser.h"

namespace zaveredo::auswertung {

void AddFileRecords(Collection& collection, const std::string& file, std::string_view bytes) {
  std::vector<Record> records;
  for (std::string_view line : SplitRecordLines(bytes)) {
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
  for (Record& record : records) {
    record.number = ++number;
    record.file = file;
    collection.records.push_back(std::move(record));
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
  return collection;
}

}  // namespace zaveredo::auswertung
