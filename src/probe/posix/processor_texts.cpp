// Linux keeps no description of the processor that Windows would show: the processor gives
// its own through CPUID, in the form Windows stores.
#include "platform/posix/cpuid.h"
#include "probe/processor.h"

namespace zaveredo {

std::string GetProcessorVendor() {
  return platform::CpuidVendor();
}

// The brand stays empty on a processor without a brand string.
std::string GetProcessorName() {
  return platform::CpuidBrand() + "/" + platform::CpuidIdentifier();
}

}  // namespace zaveredo
