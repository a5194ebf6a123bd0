// What the operating system says of itself: processor count and version.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

// GetSystemInfo's dwNumberOfProcessors.
std::uint32_t GetNumberOfProcessors();

struct OsVersionInfo {  // the fields of OSVERSIONINFOA the program reads
  std::uint32_t platformId = 0;
  std::uint32_t majorVersion = 0;
  std::uint32_t minorVersion = 0;
  char csdVersion[128] = {};
};

// GetVersionExA with the 148-byte record. On Linux the platform id is 0 and the service-pack
// text carries the kernel's name and release.
bool GetVersionEx(OsVersionInfo* info);

}  // namespace zaveredo::platform
