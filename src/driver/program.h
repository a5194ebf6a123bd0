// The program's life: start-up, the benchmark run and the top-level report of any error.
#pragma once

#include <cstdint>

namespace zaveredo {

inline constexpr std::int32_t kBenchmarkElementCount = 10000000;

// Runs the whole program with the given element count and ends the process; it returns only
// to satisfy main's signature.
int RunProgram(std::int32_t elementCount);

}  // namespace zaveredo
