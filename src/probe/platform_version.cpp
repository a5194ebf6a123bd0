#include "probe/platform_version.h"

#include <cstring>

namespace zaveredo {

PlatformVersionInfo PlatformVersionFrom(const platform::OsVersionInfo& info) {
  PlatformVersionInfo version;
  // The fields keep their bits: the platform reports them unsigned, the record holds them
  // signed.
  version.Platform = static_cast<std::int32_t>(info.platformId);
  version.Major = static_cast<std::int32_t>(info.majorVersion);
  version.Minor = static_cast<std::int32_t>(info.minorVersion);
  version.ServicePack.assign(info.csdVersion, strnlen(info.csdVersion, sizeof info.csdVersion));
  return version;
}

}  // namespace zaveredo
