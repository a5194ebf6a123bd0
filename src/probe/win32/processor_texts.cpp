// Windows keeps processor 0's description in the registry; a value that cannot be read as
// text ends the run with the registry error. Whether the key opened is not looked at: a missing
// key reads as empty values.
#include "probe/processor.h"
#include "probe/win32/registry_reader.h"

namespace zaveredo {

namespace {

constexpr const char* kProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0";

}  // namespace

std::string GetProcessorVendor() {
  RegistryReader registry(platform::kHkeyLocalMachine);  // closed on every path, raising or not
  registry.OpenKey(kProcessorKey);
  return registry.ReadString("VendorIdentifier");
}

std::string GetProcessorName() {
  RegistryReader registry(platform::kHkeyLocalMachine);
  registry.OpenKey(kProcessorKey);
  std::string brand = registry.ReadString("ProcessorNameString");
  return brand + "/" + registry.ReadString("Identifier");
}

}  // namespace zaveredo
