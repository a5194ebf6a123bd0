#include "probe/processor.h"

#include <limits>

#include "platform/system.h"
#include "probe/registry_reader.h"
#include "runtime/errors/checked.h"

namespace zaveredo {

namespace {

constexpr const char* kProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0";

// The reader of processor 0's key. Whether the key opened is not looked at: a missing key
// reads as empty values.
void OpenProcessorKey(TRegistry& registry) {
  registry.SetRootKey(platform::kHkeyLocalMachine);
  registry.OpenKey(kProcessorKey);
}

}  // namespace

std::string GetProcessorVendor() {
  std::string vendor = "Unbekannter Prozessorhersteller";
  TRegistry registry(platform::kKeyRead);  // released on every path, raising or not
  OpenProcessorKey(registry);
  vendor = registry.ReadString("VendorIdentifier");
  return vendor;
}

std::string GetProcessorName() {
  std::string name = "Unbekannter Prozessor";
  TRegistry registry(platform::kKeyRead);
  OpenProcessorKey(registry);
  std::string brand = registry.ReadString("ProcessorNameString");
  name = brand + "/" + registry.ReadString("Identifier");
  return name;
}

std::int32_t ProcessorCountFrom(std::uint32_t reported) {
  CheckRange(reported, 0, std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(reported);
}

std::int32_t GetProcessorCount() {
  return ProcessorCountFrom(platform::GetNumberOfProcessors());
}

}  // namespace zaveredo
