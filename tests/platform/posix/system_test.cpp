#include "platform/system.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <cctype>
#include <fstream>
#include <string>

namespace zaveredo::platform {
namespace {

TEST(SystemTest, ProcessorCountIsTheNumberOfOnlineProcessorsListed) {
  std::ifstream cpuinfo("/proc/cpuinfo");
  if (!cpuinfo) GTEST_SKIP() << "no /proc/cpuinfo";
  std::uint32_t listed = 0;
  for (std::string line; std::getline(cpuinfo, line);)
    if (line.rfind("processor", 0) == 0) ++listed;
  EXPECT_EQ(GetNumberOfProcessors(), listed);
}

TEST(SystemTest, VersionIsNoWindowsFamilyAndCarriesKernelNameAndRelease) {
  OsVersionInfo info;
  info.platformId = 99;
  ASSERT_TRUE(GetVersionEx(&info));
  utsname names;
  ASSERT_EQ(uname(&names), 0);
  EXPECT_EQ(info.platformId, 0u);
  EXPECT_EQ(std::string(info.csdVersion), std::string(names.sysname) + " " + names.release);
  std::string release = names.release;
  std::string version = std::to_string(info.majorVersion) + "." + std::to_string(info.minorVersion);
  EXPECT_EQ(release.substr(0, version.size()), version);
  EXPECT_FALSE(release.size() > version.size() && std::isdigit(release[version.size()]) != 0);
}

}  // namespace
}  // namespace zaveredo::platform
