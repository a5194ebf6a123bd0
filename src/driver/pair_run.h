// One phase pair: label, array sized, fill phase timed and reported, sort phase timed and
// reported, array released. Its console line after the label: "<fill time> sek | ",
// " Sortieren :  ", then "<sort time> sek" and the line end.
#pragma once

#include "driver/pair_table.h"
#include "driver/phase.h"
#include "driver/record.h"
#include "runtime/format/separators.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {

struct PairContext {
  PhaseClocks clocks;
  TextStream* console;
  ResultsFile* results;  // a pair that is not recorded leaves it untouched
  const Separators* separators;
};

void RunPhasePair(const PhasePair& pair, const PairContext& context);

}  // namespace zaveredo
