// Windows keeps processor 0's description in the registry; a value that cannot be read as
// text ends the run with the registry error.
#include "probe/processor.h"
#include "probe/win32/registry_reader.h"

namespace zaveredo {

namespace {

constexpr const char* kProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0";

// Whether the key opened is not looked at: a missing key reads as empty values.
void OpenProcessorKey(RegistryReader& registry) {
  registry.OpenKey(kProcessorKey);
}

}  // namespace

std::string GetProcessorVendor() {
  RegistryReader registry(platform::kHkeyLocalMachine);  // closed on every path, raising or not
  OpenProcessorKey(registry);
  return registry.ReadString("VendorIdentifier");
}

std::string GetProcessorName() {
  RegistryReader registry(platform::kHkeyLocalMachine);
  OpenProcessorKey(registry);
  std::string brand = registry.ReadString("ProcessorNameString");
  return brand + "/" + registry.ReadString("Identifier");
}

}  // namespace zaveredo
