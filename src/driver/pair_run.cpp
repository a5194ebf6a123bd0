#include "driver/pair_run.h"

#include "driver/phase_line.h"
#include "driver/record.h"
#include "driver/statements.h"
#include "workloads/arrays.h"
#include "workloads/element_table.h"

namespace zaveredo {

void RunPhasePair(const PhasePair& pair, const PairContext& context) {
  const ElementTypeRow& row = RowOf(pair.type);
  TextStream& console = *context.console;
  ResultsFile* results = pair.recorded ? context.results : nullptr;
  const Separators& separators = *context.separators;

  Print(console, {row.label});
  SizeArray(pair.type);

  PhaseTimes fill = TimePhase(row.fill, context.clocks);
  ShowFillTime(console, fill, separators);
  if (results != nullptr) WriteTimeField(*results, fill, separators);

  AnnounceSort(console);
  PhaseTimes sort = TimePhase(row.sort, context.clocks);
  ShowSortTime(console, sort, separators);
  if (results != nullptr) WriteTimeField(*results, sort, separators);

  ReleaseArray(pair.type);
}

}  // namespace zaveredo
