// The benchmark run from the results file's opening to the final ENTER and its closing.
// Every failure raises and ends the run; nothing here catches.
#pragma once

#include <cstdint>

namespace zaveredo {

// The run with every array sized to elementCount elements (10,000,000 for the benchmark).
void RunBenchmark(std::int32_t elementCount);

}  // namespace zaveredo
