// A phase pair's console line after its label: "<fill time> sek | ", " Sortieren :  ", then
// "<sort time> sek" and the line end. Each part is one print, pushed out at once, so the fill
// time and the sort label stand on the screen while the sort runs.
#pragma once

#include "driver/phase.h"
#include "runtime/format/separators.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {

void ShowFillTime(TextStream& console, const PhaseTimes& fill, const Separators& separators);

// Printed before the sort's first sample, so it is not part of the timed interval.
void AnnounceSort(TextStream& console);

void ShowSortTime(TextStream& console, const PhaseTimes& sort, const Separators& separators);

}  // namespace zaveredo
