// One record as a line of JSON, written directly: a collection holds up to a few hundred
// thousand of them, and a document tree of every record costs seconds.
#pragma once

#include <string>

#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

// Appends {"number": ..., "times": {"real": {"fill": s, "sort": s}, ...}} on one line.
void AppendRecordJson(std::string& out, const Record& record);

// Appends a JSON string literal of UTF-8 text.
void AppendJsonString(std::string& out, const std::string& text);

}  // namespace zaveredo::auswertung
