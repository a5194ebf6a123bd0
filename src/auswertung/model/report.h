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

struct ReportOrError {
  Report report;
  std::string usageError;  // German; set when --basis or --vergleich names no machine
};

ReportOrError BuildReport(Collection collection, const Options& options);

// Complete records of the collection.
int CompleteRecords(const Report& report);

}  // namespace zaveredo::auswertung
