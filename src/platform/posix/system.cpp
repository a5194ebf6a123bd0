#include "platform/system.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace zaveredo::platform {

std::uint32_t GetNumberOfProcessors() {
  long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<std::uint32_t>(online) : 1u;
}

bool GetVersionEx(OsVersionInfo* info) {
  utsname names;
  if (!info || uname(&names) != 0) return false;
  info->platformId = 0;  // none of the Windows families
  char* rest = nullptr;
  info->majorVersion = static_cast<std::uint32_t>(std::strtoul(names.release, &rest, 10));
  info->minorVersion =
      *rest == '.' ? static_cast<std::uint32_t>(std::strtoul(rest + 1, nullptr, 10)) : 0;
  std::string text = std::string(names.sysname) + " " + names.release;
  std::size_t n = std::min(text.size(), sizeof info->csdVersion - 1);
  std::memcpy(info->csdVersion, text.data(), n);
  info->csdVersion[n] = '\0';
  return true;
}

}  // namespace zaveredo::platform
