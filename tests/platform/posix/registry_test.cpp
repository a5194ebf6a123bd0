// The Linux registry answers like the Win32 calls it stands for.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/posix/registry_store.h"

namespace zaveredo::platform {
namespace {

constexpr const char* kKeyPath = "HKEY_LOCAL_MACHINE\\Software\\Test\\Leaf";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_.SetValue(kKeyPath, "Text", StringValue("abc"));
    store_.SetValue(kKeyPath, "Number", DwordValue(0x01020304u));
    previous_ = InstallRegistryStore(&store_);
  }
  void TearDown() override { InstallRegistryStore(previous_); }

  HKey Open(HKey base, const char* path, std::uint32_t access = kKeyRead) {
    HKey key = kNullKey;
    EXPECT_EQ(RegOpenKeyEx(base, path, access, &key), kErrorSuccess) << path;
    return key;
  }

  RegistryStore store_;
  RegistryStore* previous_ = nullptr;
};

TEST_F(RegistryTest, OpensKeysWithoutRegardToCaseAndKeysAboveStoredOnes) {
  HKey leaf = Open(kHkeyLocalMachine, "SOFTWARE\\test\\LEAF");
  HKey middle = Open(kHkeyLocalMachine, "Software\\Test");
  HKey below = Open(middle, "leaf");
  std::uint32_t size = 0;
  EXPECT_EQ(RegQueryValueEx(below, "text", nullptr, nullptr, &size), kErrorSuccess);
  EXPECT_EQ(size, 4u);
  for (HKey key : {leaf, middle, below}) EXPECT_EQ(RegCloseKey(key), kErrorSuccess);
}

TEST_F(RegistryTest, RefusesMissingKeysPartialNamesWriteAccessAndUnknownHandles) {
  HKey key = 1;
  EXPECT_EQ(RegOpenKeyEx(kHkeyLocalMachine, "Software\\Tes", kKeyRead, &key), 2);
  EXPECT_EQ(key, kNullKey);
  EXPECT_EQ(RegOpenKeyEx(kHkeyLocalMachine, "Software\\Test\\Leaf\\Deeper", kKeyRead, &key), 2);
  EXPECT_EQ(RegOpenKeyEx(kHkeyCurrentUser, "Software\\Test", kKeyRead, &key), 2);
  EXPECT_EQ(RegOpenKeyEx(kHkeyLocalMachine, "Software\\Test", kKeyAllAccess, &key), 5);
  EXPECT_EQ(RegOpenKeyEx(0x1234, "Software", kKeyRead, &key), 6);
  std::uint32_t size = 0;
  EXPECT_EQ(RegQueryValueEx(kNullKey, "Text", nullptr, nullptr, &size), 6);
  key = Open(kHkeyLocalMachine, "Software\\Test\\Leaf");
  EXPECT_EQ(RegCloseKey(key), kErrorSuccess);
  EXPECT_EQ(RegCloseKey(key), 6);
  EXPECT_EQ(RegQueryValueEx(key, "Text", nullptr, nullptr, &size), 6);
}

TEST_F(RegistryTest, DataQueryCopiesWhenTheBufferIsLargeEnoughElseTellsTheSizeNeeded) {
  HKey key = Open(kHkeyLocalMachine, "Software\\Test\\Leaf");
  std::uint8_t buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  std::uint32_t type = kRegNone, size = 0;
  EXPECT_EQ(RegQueryValueEx(key, "Missing", &type, nullptr, &size), 2);
  size = 3;
  EXPECT_EQ(RegQueryValueEx(key, "Text", &type, buffer, &size), kErrorMoreData);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(buffer[0], 'x');
  size = sizeof buffer;
  ASSERT_EQ(RegQueryValueEx(key, "Text", &type, buffer, &size), kErrorSuccess);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 4), std::string("abc\0", 4));
  EXPECT_EQ(buffer[4], 'x');
  size = sizeof buffer;
  ASSERT_EQ(RegQueryValueEx(key, "Number", &type, buffer, &size), kErrorSuccess);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 4), "\x04\x03\x02\x01");
  RegCloseKey(key);
}

}  // namespace
}  // namespace zaveredo::platform
