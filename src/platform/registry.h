// The registry, read-only, after RegOpenKeyExA, RegQueryValueExA and RegCloseKey. Windows
// only: Linux has no registry, and the probes ask the processor itself there.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

using HKey = std::uintptr_t;
inline constexpr HKey kNullKey = 0;
inline constexpr HKey kHkeyCurrentUser = 0x80000001u;
inline constexpr HKey kHkeyLocalMachine = 0x80000002u;

inline constexpr std::uint32_t kKeyRead = 0x20019u;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;

inline constexpr long kErrorSuccess = 0;

long RegOpenKeyEx(HKey key, const char* subKey, std::uint32_t access, HKey* result);
// data may be null to ask for the size only; *size is the buffer size in, the data size out.
long RegQueryValueEx(HKey key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                     std::uint32_t* size);
long RegCloseKey(HKey key);

}  // namespace zaveredo::platform
