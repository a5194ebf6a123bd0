// The machine description: five items, each labelled on the console before it is obtained
// (the clock-rate measurement takes half a second), then printed and recorded.
#pragma once

#include "driver/record.h"
#include "probe/platform_version.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {

void DescribeMachine(TextStream& console, ResultsFile& results, const PlatformVersionInfo& version);

}  // namespace zaveredo
