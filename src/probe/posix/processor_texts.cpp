// Linux keeps no description of the processor that Windows would show: the processor gives
// its own through CPUID, in the form Windows stores.
#include "platform/posix/cpuid.h"
#include "probe/processor.h"

namespace zaveredo {

std::string GetProcessorVendor() {
  return platform::CpuidVendor();
}

std::string GetProcessorName() {
  std::string brand;  // stays empty on a processor without a brand string
  platform::CpuidBrand(&brand);
  return brand + "/" +
         platform::ProcessorIdentifier(platform::CpuidVendor(), platform::CpuidSignature(),
                                       platform::CpuidLongMode());
}

}  // namespace zaveredo
