#include "auswertung/model/file_records.h"

#include "auswertung/read/glued_records.h"
#include "auswertung/read/text_decoding.h"

namespace zaveredo::auswertung {

FileRecords::FileRecords(Collection& collection, const std::string& file)
    : collection_(collection),
      name_(file),
      file_(std::make_shared<const std::string>(DecodeRecordText(file))),
      first_(collection.records.size()),
      textStart_(first_),
      lines_([this](std::string_view line) { Line(line); }, [this] { EndOfText(); }) {}

void FileRecords::Add(std::string_view bytes) {
  if (!bytes.empty()) empty_ = false;
  lines_.Add(bytes);
}

// Joined files are the usual way to gather records, so a glued record carries no note.
void FileRecords::Line(std::string_view line) {
  for (std::string_view part : SplitGluedRecords(line)) Take(ParseRecordLine(part));
}

void FileRecords::Take(ParsedRecord parsed) {
  Records& records = collection_.records;
  Record& record = records.emplace_back();
  record.number = static_cast<int>(records.size());
  record.file = file_;
  record.state = parsed.state;
  record.reason = std::move(parsed.reason);
  record.notes = std::move(parsed.notes);
  record.times = parsed.times;
  if (parsed.readings.size() == 1) {
    record.description = collection_.descriptions.Shared(parsed.readings.front().description);
  }
  if (parsed.Ambiguous()) {
    collection_.ambiguous.push_back(
        {records.size() - 1, parsed.stateOnceChosen, std::move(parsed.readings)});
  }
  if (record.state != RecordState::kForeign) {
    holdsOurs_ = true;
    if (!firstOursInText_) firstOursInText_ = records.size() - 1;
  }
}

// A byte 26 ends the text, but a run appends behind one that lies far enough before the end:
// the text behind each byte 26 is kept when it holds records of ours.
void FileRecords::EndOfText() {
  if (behindEndOfText_) {
    if (firstOursInText_) {
      collection_.records[*firstOursInText_].notes.push_back(
          "Steht hinter einem Byte 26 (Strg-Z) mitten in der Datei; die Datensätze dahinter "
          "wurden gelesen.");
    } else {
      DropFrom(textStart_);
    }
  }
  behindEndOfText_ = true;
  textStart_ = collection_.records.size();
  firstOursInText_.reset();
}

void FileRecords::DropFrom(std::size_t index) {
  Records& records = collection_.records;
  records.erase_from(index);
  auto& ambiguous = collection_.ambiguous;
  while (!ambiguous.empty() && ambiguous.back().index >= index) ambiguous.pop_back();
}

void FileRecords::Finish() {
  lines_.Finish();
  EndOfText();
  if (holdsOurs_) return;
  DropFrom(first_);
  collection_.errors.push_back({name_, empty_
                                           ? "Die Datei ist leer."
                                           : "Die Datei enthält keinen Datensatz von zaveredo2."});
}

void FileRecords::Fail(const std::string& reason) {
  DropFrom(first_);
  collection_.errors.push_back({name_, reason});
}

}  // namespace zaveredo::auswertung
