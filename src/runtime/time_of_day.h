// The local time of day as a fraction of a day, in steps of one millisecond at best.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace zaveredo {

// The time of day of a clock reading: (h*3600000 + m*60000 + s*1000 + ms) / 86400000, divided
// in extended precision and rounded to double. Raises EConvertError for an impossible reading.
double TimeOfDayFrom(const platform::LocalTime& time);

// The local time fields of a UTC clock reading (milliseconds since a UTC midnight) moved by an
// offset in milliseconds; past midnight the time of day starts again at 0.
platform::LocalTime LocalTimeAt(std::int64_t utcMilliseconds, std::int64_t offsetMilliseconds);

// Takes the local clock's offset from UTC for the rest of the run; called once at start-up.
// Every later reading uses it, so a daylight-saving change during a run moves no time of day.
void FixLocalOffset();

// The time of day now: the UTC clock moved by the offset of FixLocalOffset (taken on the first
// reading if it has not been called).
double TimeOfDay();

}  // namespace zaveredo
