#include "driver/phase_report.h"

#include "driver/phase.h"
#include "driver/statements.h"
#include "driver/texts.h"
#include "runtime/format/format_decimal.h"

namespace zaveredo {
namespace {

constexpr int kTimePrecision = 9;
constexpr int kTimeDigits = 4;

void RecordTime(const PhaseReport& report) {
  if (report.results == nullptr) return;
  // One write per time: the text already carries its closing ";".
  std::string field = ElapsedText(*report.separators);
  field += ';';
  Print(*report.results, {field});
}

}  // namespace

std::string ElapsedText(const Separators& separators) {
  return FormatDecimal(static_cast<long double>(ElapsedSeconds), kStyleNumber, kTimePrecision,
                       kTimeDigits, separators);
}

void ReportFillTime(const PhaseReport& report) {
  Print(*report.console, {ElapsedText(*report.separators), DriverText(TextId::kSecondsSuffix),
                          DriverText(TextId::kPhaseSeparator)});
  RecordTime(report);
}

void ReportSortTime(const PhaseReport& report) {
  PrintLine(*report.console, {ElapsedText(*report.separators), DriverText(TextId::kSecondsSuffix)});
  RecordTime(report);
}

}  // namespace zaveredo
