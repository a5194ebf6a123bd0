#include "driver/time_text.h"

#include "runtime/format/format_decimal.h"

namespace zaveredo {
namespace {

constexpr int kTimePrecision = 9;
constexpr int kTimeDigits = 4;

}  // namespace

std::string TimeText(const PhaseTimes& times, const Separators& separators) {
  return FormatDecimal(static_cast<long double>(times.elapsedSeconds), kStyleNumber, kTimePrecision,
                       kTimeDigits, separators);
}

}  // namespace zaveredo
