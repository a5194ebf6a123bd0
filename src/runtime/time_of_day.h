// The local time of day as a fraction of a day, in steps of one millisecond at best.
#pragma once

#include "platform/clock.h"

namespace zaveredo {

// The time of day of a clock reading: (h*3600000 + m*60000 + s*1000 + ms) / 86400000, divided
// in extended precision and rounded to double. Raises EConvertError for an impossible reading.
double TimeOfDayFrom(const platform::LocalTime& time);

// The time of day now, from the platform's local clock.
double TimeOfDay();

}  // namespace zaveredo
