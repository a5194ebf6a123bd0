#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <string>

#include "probe/windows_name.h"

namespace zaveredo {
namespace {

TEST(WindowsNameLinuxTest, LinuxIsAnUnknownVersionWithTheKernelAsServicePack) {
  std::string name = GetWindowsName(QueryPlatformVersion());
  utsname names;
  ASSERT_EQ(uname(&names), 0);
  EXPECT_EQ(name, std::string("Unbekannte Version ") + names.sysname + " " + names.release);
}

}  // namespace
}  // namespace zaveredo
