#include "driver/record.h"

#include <string>

#include "driver/statements.h"
#include "runtime/text/file_services.h"

namespace zaveredo {
void OpenResultsFile(ResultsFile& file) {
  file.record.clear();
  TextStream& stream = file.stream;
  BindTextStream(stream, kResultsFileName);
  bool present = FileIsPresent(kResultsFileName);
  // A check that could not tell ends the run here, before anything is created or written.
  CheckIoResult();
  bool afterText = true;
  if (present) {
    AppendTextStream(stream);
  } else {
    // Seen missing, yet another run may create and fill it before this one opens it: nothing is
    // truncated, and what the file holds once it is held here decides.
    afterText = AppendOrCreateTextStream(stream);
  }
  CheckIoResult();
  // The new record starts on a line of its own; the file never ends in a line end.
  if (afterText) PrintLine(stream);
}

// Kept apart from WriteTimeField on purpose: where the buffer has one byte left, a ";" written
// as a character of its own fills it and waits there for the next write, while a text that
// ends with the ";" sends the full block out at once.
void WriteField(ResultsFile& file, std::string_view text) {
  WriteText(file.stream, text);
  WriteChar(file.stream, ';');
  file.record.append(text).push_back(';');
  Print(file.stream, {});
}

void WriteTimeField(ResultsFile& file, const PhaseTimes& times, const Separators& separators) {
  std::string field = TimeText(times, separators);
  field += ';';
  file.record += field;
  Print(file.stream, {field});
}

void WriteOutRecord(ResultsFile& file) {
  WriteOutTextStream(file.stream);
  CheckIoResult();
}

void KeepRecordFindable(ResultsFile& file) {
  bool found = NameLeadsToStream(kResultsFileName, file.stream);
  CheckIoResult();
  if (found) return;
  std::string record = std::move(file.record);
  // Nothing waits in the buffer: this only lets go of the file nobody can find any more.
  CloseResultsFile(file);
  OpenResultsFile(file);
  WriteText(file.stream, record);
  file.record = std::move(record);
  Print(file.stream, {});
  WriteOutRecord(file);
}

void CloseResultsFile(ResultsFile& file) {
  CloseTextStream(file.stream);
  CheckIoResult();
}

}  // namespace zaveredo
