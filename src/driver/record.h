// The results file: one record per run, its fields written as they become known, each closed
// by ";". An existing file is extended after one line end; a missing one is created.
#pragma once

#include "runtime/text/text_stream.h"

namespace zaveredo {

inline constexpr char kResultsFileName[] = "zaveredo2.txt";

// Binds the stream to the results file in the current directory and opens it for writing.
// It stays held until CloseResultsFile, so a second run in the same directory is refused.
void OpenResultsFile(TextStream& file);

// Writes the record's last waiting bytes and releases the file.
void CloseResultsFile(TextStream& file);

}  // namespace zaveredo
