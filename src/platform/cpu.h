// Processor instructions the program needs beyond the compiler's own code.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

// RDTSC: the time-stamp counter.
inline std::uint64_t ReadTimeStampCounter() {
  std::uint32_t low, high;
  asm volatile("rdtsc" : "=a"(low), "=d"(high));
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

}  // namespace zaveredo::platform
