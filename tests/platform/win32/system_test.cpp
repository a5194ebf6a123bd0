// What the system says of itself, checked against its other ways of saying it.
#include "platform/system.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

TEST(Win32System, VersionAgreesWithThePackedVersionNumber) {
  OsVersionInfo info;
  ASSERT_TRUE(GetVersionEx(&info));
  DWORD packed = ::GetVersion();
  EXPECT_EQ(info.majorVersion, packed & 0xFF);
  EXPECT_EQ(info.minorVersion, (packed >> 8) & 0xFF);
  // The high bit marks the Windows 95 family.
  EXPECT_EQ(info.platformId, (packed & 0x80000000u) ? 1u : 2u);
  EXPECT_NE(std::memchr(info.csdVersion, '\0', sizeof info.csdVersion), nullptr);
}

}  // namespace
}  // namespace zaveredo::platform
