// What the processor says of itself through CPUID: on Linux, its vendor, name and identifier.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zaveredo::platform {

// The twelve-character vendor string, for example "GenuineIntel".
std::string CpuidVendor();

// The brand string exactly as reported, blanks kept, up to its first NUL; empty when the
// processor has none.
std::string CpuidBrand();

// This processor's identifier in the Windows form, from leaf 1's EAX (stepping, model, family
// and their extended fields) and whether it runs 64-bit code (long mode).
std::string CpuidIdentifier();

// The Windows form: "Intel64 Family 6 Model 85 Stepping 7", "AMD64 Family 25 Model 17
// Stepping 1", or "x86 Family 6 Model 8 Stepping 3" without long mode.
std::string ProcessorIdentifier(std::string_view vendor, std::uint32_t signature, bool longMode);

}  // namespace zaveredo::platform
