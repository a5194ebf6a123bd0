#include "driver/pair_run.h"

#include "driver/statements.h"
#include "driver/texts.h"
#include "workloads/arrays.h"
#include "workloads/element_table.h"

namespace zaveredo {

void RunPhasePair(const PhasePair& pair, const PairContext& context) {
  PhaseReport report{context.console, pair.recorded ? context.results : nullptr,
                     context.separators};
  const ElementTypeRow& row = RowOf(pair.type);

  Print(*context.console, {row.label});
  SizeArray(pair.type);

  TimePhase(row.fill, context.clock);
  ReportFillTime(report);

  // Announced before the sort's first sample, so the label is not part of the timed interval.
  Print(*context.console, {DriverText(TextId::kSortLabel)});
  TimePhase(row.sort, context.clock);
  ReportSortTime(report);

  ReleaseArray(pair.type);
}

}  // namespace zaveredo
