// Reporting a timed phase: the console part of the pair's line and, for a recorded pair, the
// results field. Both texts are formatted separately from the stored ElapsedSeconds with the
// same arguments, so they are always the same text.
#pragma once

#include <string>

#include "runtime/format/separators.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {

// Where a phase is reported; results is null for a pair that is only shown.
struct PhaseReport {
  TextStream* console;
  TextStream* results;
  const Separators* separators;
};

// ElapsedSeconds in the number style with four decimals, for example 1.234,5679.
std::string ElapsedText(const Separators& separators);

// "<time> sek | " after the fill phase.
void ReportFillTime(const PhaseReport& report);
// "<time> sek" and the line end after the sort phase.
void ReportSortTime(const PhaseReport& report);

}  // namespace zaveredo
