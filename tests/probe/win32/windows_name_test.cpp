// The operating-system name from the real version query. The test suite runs in a prefix set
// to Windows XP; the end-to-end script windows_versions.sh walks the other versions.
#include "probe/windows_name.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace zaveredo {
namespace {

TEST(Win32WindowsName, NamesTheVersionThePlatformReports) {
  PlatformVersionInfo version = QueryPlatformVersion();
  DWORD packed = ::GetVersion();
  EXPECT_EQ(version.Major, static_cast<std::int32_t>(packed & 0xFF));
  EXPECT_EQ(version.Minor, static_cast<std::int32_t>((packed >> 8) & 0xFF));
  if (version.Major != 5 || version.Minor != 1) {
    GTEST_SKIP() << "not an XP prefix: " << GetWindowsName(version);
  }
  EXPECT_EQ(GetWindowsName(version), "Windows XP Service Pack 3");
}

}  // namespace
}  // namespace zaveredo
