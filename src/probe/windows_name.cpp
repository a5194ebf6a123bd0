#include "probe/windows_name.h"

#include "platform/system.h"

namespace zaveredo {

namespace {

constexpr std::int32_t kWindowsFamily = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::int32_t kNtFamily = 2;       // VER_PLATFORM_WIN32_NT

const char* NameOf(const PlatformVersionInfo& version) {
  const char* name = "Unbekannte Version";
  if (version.Platform == kWindowsFamily && version.Major == 4) {
    switch (version.Minor) {
      case 0:
        name = "Windows 95";
        break;
      case 10:
        name = "Windows 98";
        break;
      case 90:
        name = "Windows Me";
        break;
    }
  }
  if (version.Platform == kNtFamily) {
    switch (version.Major) {
      case 3:
        if (version.Minor == 51) name = "Windows NT 3.51";
        break;
      case 4:
        if (version.Minor == 0) name = "Windows NT 4";
        break;
      case 5:
        switch (version.Minor) {
          case 0:
            name = "Windows 2000";
            break;
          case 1:
            name = "Windows XP";
            break;
          case 2:
            name = "Windows .NET Server";
            break;
        }
        break;
    }
  }
  return name;
}

}  // namespace

PlatformVersionInfo QueryPlatformVersion() {
  platform::OsVersionInfo info;
  return platform::GetVersionEx(&info) ? PlatformVersionFrom(info) : PlatformVersionInfo{};
}

std::string GetWindowsName(const PlatformVersionInfo& version) {
  std::string name = NameOf(version);
  if (!version.ServicePack.empty()) name += " " + version.ServicePack;
  return name;
}

}  // namespace zaveredo
