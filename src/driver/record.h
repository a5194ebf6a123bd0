// The results file: one record per run, its fields written as they become known, each closed
// by ";". An existing file is extended after one line end; a missing one is created.
#pragma once

#include "runtime/text/text_stream.h"

namespace zaveredo {

inline constexpr char kResultsFileName[] = "zaveredo2.txt";

// Binds the stream to the results file in the current directory and opens it for writing.
// It stays held until CloseResultsFile, so a second run in the same directory is refused.
void OpenResultsFile(TextStream& file);

// Once the record's last field is written: its waiting bytes reach the file now, while the file
// stays held. A run ended at the final prompt without closing the file (Ctrl-C, a closed
// window) then still leaves the whole record behind.
void WriteOutRecord(TextStream& file);

// Writes the record's last waiting bytes and releases the file.
void CloseResultsFile(TextStream& file);

}  // namespace zaveredo
