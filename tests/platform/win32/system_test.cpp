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

TEST(Win32System, AnXpPrefixReportsServicePack3) {
  OsVersionInfo info;
  ASSERT_TRUE(GetVersionEx(&info));
  if (info.majorVersion != 5 || info.minorVersion != 1) {
    GTEST_SKIP() << "runs as version " << info.majorVersion << "." << info.minorVersion;
  }
  EXPECT_EQ(info.platformId, 2u);
  EXPECT_STREQ(info.csdVersion, "Service Pack 3");
}

TEST(Win32System, ProcessorCountMatchesTheActiveProcessorMask) {
  SYSTEM_INFO system;
  ::GetSystemInfo(&system);
  DWORD_PTR mask = system.dwActiveProcessorMask;
  std::uint32_t bits = 0;
  for (; mask != 0; mask &= mask - 1) ++bits;
  EXPECT_EQ(GetNumberOfProcessors(), bits);
  EXPECT_GE(GetNumberOfProcessors(), 1u);
}

}  // namespace
}  // namespace zaveredo::platform
