// The processor as the machine description shows it: vendor, name and count.
// On Windows the texts come from the registry key of processor 0, on Linux from CPUID in the
// same form; the probes keep no state and print nothing.
#pragma once

#include <cstdint>
#include <string>

namespace zaveredo {

// "VendorIdentifier"; empty when the key or value is missing. On Windows raises
// ERegistryException for a value that is not a string or cannot be read.
std::string GetProcessorVendor();

// "ProcessorNameString" + "/" + "Identifier": the slash is always there. Raises as above.
std::string GetProcessorName();

// The processor count the operating system reports; ERangeError above 2,147,483,647.
std::int32_t GetProcessorCount();

// The count check on its own, for a reported count.
std::int32_t ProcessorCountFrom(std::uint32_t reported);

}  // namespace zaveredo
