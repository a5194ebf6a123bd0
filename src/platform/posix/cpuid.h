// What the processor says of itself through CPUID: on Linux, its vendor, name and identifier.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zaveredo::platform {

// The twelve-character vendor string, for example "GenuineIntel".
std::string CpuidVendor();

// The brand string exactly as reported, blanks kept, up to its first NUL; false when the
// processor has none.
bool CpuidBrand(std::string* brand);

// Leaf 1's EAX: stepping, model, family and their extended fields.
std::uint32_t CpuidSignature();

// Whether the processor runs 64-bit code (long mode).
bool CpuidLongMode();

// The Windows form: "Intel64 Family 6 Model 85 Stepping 7", "AMD64 Family 25 Model 17
// Stepping 1", or "x86 Family 6 Model 8 Stepping 3" without long mode.
std::string ProcessorIdentifier(std::string_view vendor, std::uint32_t signature, bool longMode);

}  // namespace zaveredo::platform
