#include "driver/record.h"

#include "driver/statements.h"
#include "runtime/text/file_services.h"

namespace zaveredo {

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

void CloseResultsFile(TextStream& file) {
  CloseTextStream(file);
  CheckIoResult();
}

}  // namespace zaveredo
