#include "runtime/time_of_day.h"

#include "runtime/errors/errors.h"
#include "x87/control_word.h"
#include "x87/instructions.h"

namespace zaveredo {

namespace {

constexpr std::int32_t kMillisecondsPerDay = 86400000;

std::int64_t RunOffset() {
  static const std::int64_t offset = platform::LocalOffsetMilliseconds();
  return offset;
}

}  // namespace

double TimeOfDayFrom(const platform::LocalTime& time) {
  if (time.hour >= 24 || time.minute >= 60 || time.second >= 60 || time.milliseconds >= 1000)
    RaiseRunError(ErrorKind::EConvertError, __builtin_return_address(0));
  std::int32_t n =
      time.hour * 3600000 + time.minute * 60000 + time.second * 1000 + time.milliseconds;
  // The quotient is rounded twice, to extended and then to double, never once to double.
  x87::ControlWordScope rounding(x87::Rounding::kNearest, x87::Precision::kExtended);
  long double quotient = x87::Divide(static_cast<long double>(n), kMillisecondsPerDay);
  double result;
  x87::StoreDouble(quotient, &result);
  return result;
}

platform::LocalTime LocalTimeAt(std::int64_t utcMilliseconds, std::int64_t offsetMilliseconds) {
  std::int64_t ofDay = (utcMilliseconds + offsetMilliseconds) % kMillisecondsPerDay;
  if (ofDay < 0) ofDay += kMillisecondsPerDay;
  platform::LocalTime time;
  time.hour = static_cast<std::uint16_t>(ofDay / 3600000);
  time.minute = static_cast<std::uint16_t>(ofDay / 60000 % 60);
  time.second = static_cast<std::uint16_t>(ofDay / 1000 % 60);
  time.milliseconds = static_cast<std::uint16_t>(ofDay % 1000);
  return time;
}

void FixLocalOffset() {
  RunOffset();
}

double TimeOfDay() {
  return TimeOfDayFrom(LocalTimeAt(platform::UtcMilliseconds(), RunOffset()));
}

}  // namespace zaveredo
