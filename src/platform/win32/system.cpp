// The system's processor count and version.
#include "platform/system.h"

#include <cstring>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

static_assert(sizeof(OSVERSIONINFOA) == 148, "GetVersionExA is called with the 148-byte record");
static_assert(sizeof(OsVersionInfo::csdVersion) == sizeof(OSVERSIONINFOA::szCSDVersion));

std::uint32_t GetNumberOfProcessors() {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  return info.dwNumberOfProcessors;
}

bool GetVersionEx(OsVersionInfo* info) {
  OSVERSIONINFOA version;
  std::memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  if (!::GetVersionExA(&version)) return false;
  info->platformId = version.dwPlatformId;
  info->majorVersion = version.dwMajorVersion;
  info->minorVersion = version.dwMinorVersion;
  std::memcpy(info->csdVersion, version.szCSDVersion, sizeof info->csdVersion);
  return true;
}

}  // namespace zaveredo::platform
