#include "probe/windows_name.h"

#include <cstring>

#include "platform/system.h"

namespace zaveredo {

namespace {

constexpr std::int32_t kWindowsFamily = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::int32_t kNtFamily = 2;       // VER_PLATFORM_WIN32_NT

struct KnownVersion {
  std::int32_t platform;
  std::int32_t major;
  std::int32_t minor;
  const char* name;
};

constexpr KnownVersion kKnownVersions[] = {
    {kWindowsFamily, 4, 0, "Windows 95"},  {kWindowsFamily, 4, 10, "Windows 98"},
    {kWindowsFamily, 4, 90, "Windows Me"}, {kNtFamily, 3, 51, "Windows NT 3.51"},
    {kNtFamily, 4, 0, "Windows NT 4"},     {kNtFamily, 5, 0, "Windows 2000"},
    {kNtFamily, 5, 1, "Windows XP"},       {kNtFamily, 5, 2, "Windows .NET Server"},
};

}  // namespace

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

PlatformVersionInfo QueryPlatformVersion() {
  platform::OsVersionInfo info;
  return platform::GetVersionEx(&info) ? PlatformVersionFrom(info) : PlatformVersionInfo{};
}

std::string GetWindowsName(const PlatformVersionInfo& version) {
  std::string name = "Unbekannte Version";
  for (const KnownVersion& known : kKnownVersions)
    if (version.Platform == known.platform && version.Major == known.major &&
        version.Minor == known.minor)
      name = known.name;
  if (!version.ServicePack.empty()) name += " " + version.ServicePack;
  return name;
}

}  // namespace zaveredo
