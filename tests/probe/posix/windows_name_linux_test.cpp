#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <string>

#include "probe/platform_version.h"
#include "probe/windows_name.h"

namespace zaveredo {
namespace {

TEST(WindowsNameLinuxTest, LinuxIsAnUnknownVersionWithTheKernelAsServicePack) {
  PlatformVersionInfo saved = PlatformVersion;
  FillPlatformVersion();
  std::string name = GetWindowsName();
  PlatformVersion = saved;
  utsname names;
  ASSERT_EQ(uname(&names), 0);
  EXPECT_EQ(name, std::string("Unbekannte Version ") + names.sysname + " " + names.release);
}

}  // namespace
}  // namespace zaveredo
