// The benchmark run from the results file's opening to the final ENTER and its closing.
// Every failure raises and ends the run; nothing here catches.
#pragma once

#include <cstdint>

#include "probe/platform_version.h"

namespace zaveredo {

// The run with every array sized to elementCount elements (10,000,000 for the benchmark), on
// the platform version read at start-up.
void RunBenchmark(std::int32_t elementCount, const PlatformVersionInfo& version);

}  // namespace zaveredo
