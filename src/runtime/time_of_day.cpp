#include "runtime/time_of_day.h"

#include <cstdint>

#include "runtime/errors/errors.h"
#include "runtime/x87_arithmetic.h"

namespace zaveredo {

namespace {

constexpr std::int32_t kMillisecondsPerDay = 86400000;

bool IsPossible(const platform::LocalTime& time) {
  return time.hour < 24 && time.minute < 60 && time.second < 60 && time.milliseconds < 1000;
}

}  // namespace

double TimeOfDayFrom(const platform::LocalTime& time) {
  if (!IsPossible(time)) RaiseRunError(ErrorKind::EConvertError, __builtin_return_address(0));
  std::int32_t n =
      time.hour * 3600000 + time.minute * 60000 + time.second * 1000 + time.milliseconds;
  // The quotient is rounded twice, to extended and then to double, never once to double.
  ExtendedRoundingScope rounding;
  long double quotient = DivideExtended(static_cast<long double>(n), kMillisecondsPerDay);
  return RoundToDouble(quotient);
}

double TimeOfDay() {
  return TimeOfDayFrom(platform::GetLocalTime());
}

}  // namespace zaveredo
