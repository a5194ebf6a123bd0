#include "probe/windows_name.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "probe/platform_version.h"

namespace zaveredo {
namespace {

struct VersionCase {
  std::int32_t platform, major, minor;
  const char* name;
};

std::string NameFor(std::int32_t platform, std::int32_t major, std::int32_t minor,
                    std::string servicePack = "") {
  return GetWindowsName(PlatformVersionInfo{platform, major, minor, std::move(servicePack)});
}

TEST(WindowsNameTest, EveryRowOfTheTable) {
  const VersionCase rows[] = {
      {1, 4, 0, "Windows 95"},       {1, 4, 10, "Windows 98"},         {1, 4, 90, "Windows Me"},
      {2, 3, 51, "Windows NT 3.51"}, {2, 4, 0, "Windows NT 4"},        {2, 5, 0, "Windows 2000"},
      {2, 5, 1, "Windows XP"},       {2, 5, 2, "Windows .NET Server"},
  };
  for (const VersionCase& row : rows)
    EXPECT_EQ(NameFor(row.platform, row.major, row.minor), row.name)
        << row.platform << " " << row.major << "." << row.minor;
}

TEST(WindowsNameTest, VersionsNextToTheTableAreUnknown) {
  const VersionCase outside[] = {
      {2, 3, 50, ""}, {2, 3, 10, ""}, {2, 4, 10, ""}, {2, 5, 3, ""}, {2, 6, 0, ""}, {1, 4, 1, ""},
      {1, 5, 0, ""},  {1, 3, 51, ""}, {2, 4, 90, ""}, {0, 5, 1, ""}, {3, 4, 0, ""}, {0, 0, 0, ""},
  };
  for (const VersionCase& row : outside)
    EXPECT_EQ(NameFor(row.platform, row.major, row.minor), "Unbekannte Version")
        << row.platform << " " << row.major << "." << row.minor;
}

TEST(WindowsNameTest, ServicePackFollowsAfterOneBlankExactlyAsStored) {
  EXPECT_EQ(NameFor(2, 5, 1, "Service Pack 2"), "Windows XP Service Pack 2");
  EXPECT_EQ(NameFor(2, 6, 0, "Service Pack 1"), "Unbekannte Version Service Pack 1");
  EXPECT_EQ(NameFor(1, 4, 10, " A "), "Windows 98  A ");
  EXPECT_EQ(NameFor(2, 4, 0), "Windows NT 4");
}

TEST(PlatformVersionTest, RecordTakesTheFieldsAndTheServicePackUpToItsNulOr128Characters) {
  platform::OsVersionInfo info;
  info.platformId = 2;
  info.majorVersion = 5;
  info.minorVersion = 1;
  std::memcpy(info.csdVersion, "Service Pack 3\0junk", 19);
  PlatformVersionInfo version = PlatformVersionFrom(info);
  EXPECT_EQ(version.Platform, 2);
  EXPECT_EQ(version.Major, 5);
  EXPECT_EQ(version.Minor, 1);
  EXPECT_EQ(version.ServicePack, "Service Pack 3");
  std::memset(info.csdVersion, 'x', sizeof info.csdVersion);  // no NUL at all
  EXPECT_EQ(PlatformVersionFrom(info).ServicePack, std::string(128, 'x'));
}

}  // namespace
}  // namespace zaveredo
