#include "auswertung/views/record_lists_view.h"

namespace zaveredo::auswertung {
namespace {

std::string RecordName(const Record& record) {
  return "Nr. " + std::to_string(record.number) + " (" + *record.file + ")";
}

// "9 von 32 Phasen, zuletzt real48 fuellen"
std::string PhasesHeld(const Record& record) {
  std::string text = std::to_string(record.times.size()) + " von 32 Phasen";
  if (!record.times.empty()) text += ", zuletzt " + PhaseLabel(int(record.times.size()) - 1);
  return text;
}

void AddList(std::vector<View>& views, ViewKind kind, const char* title,
             std::vector<std::string> items) {
  if (!items.empty()) views.push_back({kind, title, {ItemList{"", std::move(items)}}});
}

}  // namespace

std::vector<View> RecordListViews(const Report& report) {
  std::vector<std::string> incomplete, unreadable, notes, files;
  for (const Record& record : report.collection.records) {
    switch (record.state) {
      case RecordState::kIncomplete:
        incomplete.push_back(RecordName(record) + ": " + record.description->initials + " " +
                             record.description->processor + ", " + PhasesHeld(record));
        break;
      case RecordState::kUnreadable:
      case RecordState::kForeign:
        unreadable.push_back(RecordName(record) + ": " + record.reason);
        break;
      case RecordState::kComplete:
        break;
    }
    for (const std::string& note : record.notes) notes.push_back(RecordName(record) + ": " + note);
  }
  for (const FileError& error : report.collection.errors) {
    files.push_back(error.file + ": " + error.reason);
  }
  std::vector<View> views;
  AddList(views, ViewKind::kIncomplete,
          "Unvollständige Datensätze (nehmen an keinem Vergleich teil):", std::move(incomplete));
  AddList(views, ViewKind::kUnreadable, "Unlesbare Datensätze:", std::move(unreadable));
  AddList(views, ViewKind::kRecordNotes, "Hinweise zu Datensätzen:", std::move(notes));
  AddList(views, ViewKind::kFileErrors, "Nicht gelesene Dateien:", std::move(files));
  return views;
}

}  // namespace zaveredo::auswertung
