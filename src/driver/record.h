// The results file: one record per run, its fields written as they become known, each closed
// by ";". An existing file is extended after one line end; a missing one is created.
//
// Every field is one write statement followed by the I/O check. The end of a statement pushes
// nothing out of a file: bytes leave the 128-byte buffer only when it becomes full, and the
// record's last bytes once its last field is written (WriteOutRecord). An error ends the run
// with the file left open, so the bytes still waiting are lost.
#pragma once

#include <string>
#include <string_view>

#include "driver/phase.h"
#include "runtime/format/separators.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {

inline constexpr char kResultsFileName[] = "zaveredo2.txt";

// The run's stream on the results file, and the record as written to it: kept so that it can be
// written again should the file's name come to lead to another file.
struct ResultsFile {
  TextStream stream;
  std::string record;
};

// Binds the stream to the results file in the current directory and opens it for writing.
// It stays held until CloseResultsFile, so a second run in the same directory is refused.
void OpenResultsFile(ResultsFile& file);

// A description item or the initials: the text, then ";" as a write of its own.
void WriteField(ResultsFile& file, std::string_view text);

// A phase's time: its text with the ";" appended, in one write.
void WriteTimeField(ResultsFile& file, const PhaseTimes& times, const Separators& separators);

// Once the record's last field is written: its waiting bytes reach the file now, while the file
// stays held. A run ended at the final prompt without closing the file (Ctrl-C, a closed
// window) then still leaves the whole record behind.
void WriteOutRecord(ResultsFile& file);

// Once the record is written out: when the name no longer leads to the file the record went
// into (it was replaced by a rename or deleted while the run went on), the record is written
// again to the file now under the name, opened as at the start, which is held from then on.
// Where that fails, the run ends with the I/O error, never quietly with its record out of sight.
void KeepRecordFindable(ResultsFile& file);

// Writes the record's last waiting bytes and releases the file.
void CloseResultsFile(ResultsFile& file);

}  // namespace zaveredo
