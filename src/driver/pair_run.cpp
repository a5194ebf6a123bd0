#include "driver/pair_run.h"

#include "driver/statements.h"
#include "driver/texts.h"
#include "workloads/arrays.h"
#include "workloads/phase_work.h"

namespace zaveredo {

void RunPhasePair(const PhasePair& pair, const PairContext& context) {
  PhaseReport report{context.console, pair.recorded ? context.results : nullptr,
                     context.separators};
  PhaseWork work = WorkOf(pair.type);

  Print(*context.console, {pair.label});
  SizeArray(pair.type);

  TimePhase(work.fill, context.clock);
  ReportFillTime(report);

  // Announced before the sort's first sample, so the label is not part of the timed interval.
  Print(*context.console, {DriverText(TextId::kSortLabel)});
  TimePhase(work.sort, context.clock);
  ReportSortTime(report);

  ReleaseArray(pair.type);
}

}  // namespace zaveredo
