// The report on a collection: its machines, the baseline and every machine against it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "auswertung/model/collection.h"
#include "auswertung/model/comparison.h"
#include "auswertung/model/machines.h"
#include "auswertung/options.h"

namespace zaveredo::auswertung {

struct Report {
  Collection collection;
  std::vector<Machine> machines;        // by number
  int baseline = 0;                     // machine number, 0 when there is no complete record
  std::vector<Comparison> comparisons;  // one per machine, by number; the baseline's too
  std::vector<int> ranking;             // machine numbers, fastest first
  std::optional<int> compared;          // the machine of the Vergleich view, if there is one
  bool comparisonAsked = false;         // --vergleich: the Vergleich alone
  bool types = false;                   // the Datentypen view was asked for

  const Machine& MachineNumber(int number) const { return machines.at(number - 1); }
  const Comparison& ComparisonOf(int number) const { return comparisons.at(number - 1); }
};

// The records grouped into machines, nothing compared yet: what the machine numbers of the
// options are checked against.
Report GroupedReport(Collection collection);

// The baseline, every machine against it and the ranking. Expects options whose machine numbers
// MachineNumberError (usage_errors.h) let pass for the report's machines. Numbers it cannot
// honour throw std::invalid_argument: no comparison rather than one of another machine than
// the one asked for.
void CompareMachines(Report& report, const Options& options);

// Both steps.
Report BuildReport(Collection collection, const Options& options);

// Complete records of the collection.
int CompleteRecords(const Report& report);

}  // namespace zaveredo::auswertung
