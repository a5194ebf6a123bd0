// The program's own registry contents: processor 0's description, read from the processor.
#include <string>

#include "platform/posix/cpuid.h"
#include "platform/posix/registry_store.h"

namespace zaveredo::platform {

namespace {

constexpr const char* kProcessorKey =
    "HKEY_LOCAL_MACHINE\\Hardware\\Description\\System\\CentralProcessor\\0";

RegistryStore MakeProcessorStore() {
  RegistryStore store;
  std::string vendor = CpuidVendor();
  store.SetValue(kProcessorKey, "VendorIdentifier", StringValue(vendor));
  std::string brand;
  if (CpuidBrand(&brand)) store.SetValue(kProcessorKey, "ProcessorNameString", StringValue(brand));
  store.SetValue(kProcessorKey, "Identifier",
                 StringValue(ProcessorIdentifier(vendor, CpuidSignature(), CpuidLongMode())));
  return store;
}

}  // namespace

RegistryStore& ProcessorRegistryStore() {
  static RegistryStore store = MakeProcessorStore();
  return store;
}

}  // namespace zaveredo::platform
