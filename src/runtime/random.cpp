#include "runtime/random.h"

#include "platform/clock.h"

namespace zaveredo {

std::uint32_t RandomSeed = 0;

void SeedRandomSource() {
  std::int64_t count = 0;
  RandomSeed = platform::QueryPerformanceCounter(&count) ? static_cast<std::uint32_t>(count)
                                                         : platform::GetTickCount();
}

std::int32_t RandomBelow(std::int32_t n) {
  RandomSeed = RandomSeed * 134775813u + 1u;
  std::uint64_t product = std::uint64_t{static_cast<std::uint32_t>(n)} * RandomSeed;
  return static_cast<std::int32_t>(product >> 32);
}

}  // namespace zaveredo
