#include "driver/record.h"

#include <string>

#include "driver/statements.h"
#include "runtime/text/file_services.h"

namespace zaveredo {
namespace {

void EndField(TextStream& file) {
  FinishWrite(file);
  CheckIoResult();
}

}  // namespace

void OpenResultsFile(TextStream& file) {
  BindTextStream(file, kResultsFileName);
  bool present = FileIsPresent(kResultsFileName);
  // A check that could not tell ends the run here, before anything is created or written.
  CheckIoResult();
  if (present) {
    AppendTextStream(file);
    CheckIoResult();
    // The new record starts on a line of its own; the file never ends in a line end.
    PrintLine(file);
  } else {
    CreateTextStream(file);
    CheckIoResult();
  }
}

// Kept apart from WriteTimeField on purpose: where the buffer has one byte left, a ";" written
// as a character of its own fills it and waits there for the next write, while a text that
// ends with the ";" sends the full block out at once.
void WriteField(TextStream& file, std::string_view text) {
  WriteText(file, text);
  WriteChar(file, ';');
  EndField(file);
}

void WriteTimeField(TextStream& file, const PhaseTimes& times, const Separators& separators) {
  std::string field = TimeText(times, separators);
  field += ';';
  WriteText(file, field);
  EndField(file);
}

void WriteOutRecord(TextStream& file) {
  WriteOutTextStream(file);
  CheckIoResult();
}

void CloseResultsFile(TextStream& file) {
  CloseTextStream(file);
  CheckIoResult();
}

}  // namespace zaveredo
