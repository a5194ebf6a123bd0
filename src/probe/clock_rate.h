// The processor's clock rate in MHz, measured by counting time-stamp ticks over a 500 ms
// sleep at the highest priorities.
#pragma once

namespace zaveredo {

// The rate in MHz, or 0 when any error occurred during the measurement (nothing is printed
// then). Takes a little more than half a second.
long double MeasureClockRate();

}  // namespace zaveredo
