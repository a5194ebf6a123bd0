// The registry calls against the real registry, on a key of the test's own under
// HKEY_CURRENT_USER, and on the processor key the probes read.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/windows_api.h"
#include "tests/platform/win32/test_registry_key.h"

namespace zaveredo::platform {
namespace {

class Win32Registry : public ::testing::Test {
 protected:
  test::TestRegistryKey key_{"platform"};
};

TEST_F(Win32Registry, SizeQueryThenDataQueryOfAString) {
  key_.SetString("Name", std::string("  Padded CPU\0", 13));
  HKey key = kNullKey;
  ASSERT_EQ(RegOpenKeyEx(kHkeyCurrentUser, key_.Path().c_str(), kKeyRead, &key), kErrorSuccess);
  std::uint32_t type = kRegNone, size = 0;
  ASSERT_EQ(RegQueryValueEx(key, "Name", &type, nullptr, &size), kErrorSuccess);
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(size, 13u);

  std::string data(size, '?');
  ASSERT_EQ(
      RegQueryValueEx(key, "Name", &type, reinterpret_cast<std::uint8_t*>(data.data()), &size),
      kErrorSuccess);
  EXPECT_EQ(data, std::string("  Padded CPU\0", 13));

  std::uint32_t small = 4;
  EXPECT_EQ(
      RegQueryValueEx(key, "Name", nullptr, reinterpret_cast<std::uint8_t*>(data.data()), &small),
      ERROR_MORE_DATA);
  EXPECT_EQ(small, 13u);
  EXPECT_EQ(RegCloseKey(key), kErrorSuccess);
}

TEST_F(Win32Registry, EmbeddedNulAndDwordDataArriveAsStored) {
  key_.SetString("Cut", std::string("ab\0cd\0", 6));
  key_.SetDword("Number", 0x01020304u);
  HKey key = kNullKey;
  ASSERT_EQ(RegOpenKeyEx(kHkeyCurrentUser, key_.Path().c_str(), kKeyRead, &key), kErrorSuccess);

  std::uint8_t data[16] = {};
  std::uint32_t type = kRegNone, size = sizeof data;
  ASSERT_EQ(RegQueryValueEx(key, "Cut", &type, data, &size), kErrorSuccess);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), std::string("ab\0cd\0", 6));

  size = sizeof data;
  ASSERT_EQ(RegQueryValueEx(key, "Number", &type, data, &size), kErrorSuccess);
  EXPECT_EQ(type, static_cast<std::uint32_t>(REG_DWORD));
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(data[0], 0x04);
  EXPECT_EQ(data[3], 0x01);
  RegCloseKey(key);
}

TEST_F(Win32Registry, MissingKeysValuesAndTheNullKeyFail) {
  HKey key = 1;
  EXPECT_EQ(RegOpenKeyEx(kHkeyCurrentUser, (key_.Path() + "\\Absent").c_str(), kKeyRead, &key),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, kNullKey);

  ASSERT_EQ(RegOpenKeyEx(kHkeyCurrentUser, key_.Path().c_str(), kKeyRead, &key), kErrorSuccess);
  std::uint32_t size = 0;
  EXPECT_EQ(RegQueryValueEx(key, "Absent", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
  EXPECT_NE(RegQueryValueEx(kNullKey, "Absent", nullptr, nullptr, &size), kErrorSuccess);
}

TEST(Win32ProcessorKey, TheSystemDescribesProcessorZero) {
  HKey key = kNullKey;
  ASSERT_EQ(RegOpenKeyEx(kHkeyLocalMachine, "Hardware\\Description\\System\\CentralProcessor\\0",
                         kKeyRead, &key),
            kErrorSuccess);
  for (const char* name : {"VendorIdentifier", "Identifier"}) {
    std::uint32_t type = kRegNone, size = 0;
    EXPECT_EQ(RegQueryValueEx(key, name, &type, nullptr, &size), kErrorSuccess) << name;
    EXPECT_EQ(type, kRegSz) << name;
    EXPECT_GT(size, 1u) << name;
  }
  RegCloseKey(key);
}

}  // namespace
}  // namespace zaveredo::platform
