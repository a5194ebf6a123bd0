#include "driver/pair_run.h"

#include "driver/record.h"
#include "driver/statements.h"
#include "driver/texts.h"
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

  // Each part of the console line is one print, pushed out at once, so the fill time and the
  // sort label stand on the screen while the sort runs; the label is not part of its timing.
  PhaseTimes fill = TimePhase(row.fill, context.clocks);
  Print(console, {TimeText(fill, separators), DriverText(TextId::kSecondsSuffix),
                  DriverText(TextId::kPhaseSeparator)});
  if (results != nullptr) WriteTimeField(*results, fill, separators);

  Print(console, {DriverText(TextId::kSortLabel)});
  PhaseTimes sort = TimePhase(row.sort, context.clocks);
  PrintLine(console, {TimeText(sort, separators), DriverText(TextId::kSecondsSuffix)});
  if (results != nullptr) WriteTimeField(*results, sort, separators);

  ReleaseArray(pair.type);
}

}  // namespace zaveredo
