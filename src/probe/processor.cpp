#include "probe/processor.h"

#include <limits>

#include "platform/system.h"
#include "runtime/errors/checked.h"

namespace zaveredo {

std::int32_t ProcessorCountFrom(std::uint32_t reported) {
  CheckRange(reported, 0, std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(reported);
}

std::int32_t GetProcessorCount() {
  return ProcessorCountFrom(platform::GetNumberOfProcessors());
}

}  // namespace zaveredo
