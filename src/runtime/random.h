// The process-wide pseudo-random source: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace zaveredo {

// The whole state; 0 at start.
extern std::uint32_t RandomSeed;

// Seeds from the high-resolution counter's low 32 bits, or the tick count when it fails.
void SeedRandomSource();

// Advances the seed, then returns floor(n * seed / 2^32) with n taken as unsigned:
// a value in 0 .. n - 1 for n >= 1, and 0 for n = 0. Wraps silently; checks nothing.
std::int32_t RandomBelow(std::int32_t n);

}  // namespace zaveredo
