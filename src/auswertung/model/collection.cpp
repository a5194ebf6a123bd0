#include "auswertung/model/collection.h"

#include "auswertung/model/file_records.h"
#include "auswertung/model/machine_key.h"
#include "auswertung/read/input_file.h"

namespace zaveredo::auswertung {
namespace {

// The one reading that names a known machine; none when no reading or several do.
const HeaderPlacement* Choose(const std::vector<HeaderPlacement>& readings,
                              const KnownMachines& known) {
  const HeaderPlacement* found = nullptr;
  for (const HeaderPlacement& reading : readings) {
    if (known.count(KeyOf(reading.description)) == 0) continue;
    if (found != nullptr) return nullptr;
    found = &reading;
  }
  return found;
}

void TakeReading(Collection& collection, Record& record, RecordState state,
                 const HeaderPlacement& reading) {
  std::vector<std::string> notes = PlacementNotes(reading);
  notes.push_back("Zugeordnet wie die übrigen Datensätze derselben Maschine.");
  for (std::string& note : record.notes) notes.push_back(std::move(note));
  record.notes = std::move(notes);
  record.state = state;
  record.reason.clear();
  record.description = collection.descriptions.Shared(reading.description);
}

}  // namespace

void AddFileRecords(Collection& collection, const std::string& file, std::string_view bytes) {
  FileRecords records(collection, file);
  records.Add(bytes);
  records.Finish();
}

void PlaceAmbiguousRecords(Collection& collection) {
  // Most collections have none: their machines are then not gathered record by record.
  if (collection.ambiguous.empty()) return;
  KnownMachines known;
  for (const Record& record : collection.records) {
    if (record.state == RecordState::kComplete) known.insert(KeyOf(*record.description));
  }
  for (const AmbiguousRecord& ambiguous : collection.ambiguous) {
    const HeaderPlacement* chosen = Choose(ambiguous.readings, known);
    if (chosen == nullptr) continue;
    TakeReading(collection, collection.records[ambiguous.index], ambiguous.stateOnceChosen,
                *chosen);
  }
  collection.ambiguous.clear();
}

Collection ReadCollection(const std::vector<std::string>& files) {
  Collection collection;
  for (const std::string& file : files) {
    FileRecords records(collection, file);
    const std::string error =
        ReadInputFile(file, [&records](std::string_view piece) { records.Add(piece); });
    if (error.empty()) {
      records.Finish();
    } else {
      records.Fail(error);
    }
  }
  PlaceAmbiguousRecords(collection);
  return collection;
}

}  // namespace zaveredo::auswertung
