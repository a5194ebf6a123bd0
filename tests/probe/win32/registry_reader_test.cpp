// The registry reader on the real registry: values written with the registry's own write
// calls under a key of the test's own, read back the way the probes read them.
#include "probe/win32/registry_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "runtime/errors/errors.h"
#include "tests/platform/win32/test_registry_key.h"

namespace zaveredo {
namespace {

class Win32RegistryReader : public ::testing::Test {
 protected:
  Win32RegistryReader() {
    key_.SetString("Blanks", std::string("   Padded CPU  \0", 16));
    key_.SetString("Embedded", std::string("ab\0cd\0", 6));
    key_.SetString("Empty", std::string("\0", 1));
    key_.SetDword("VendorIdentifier", 7);
    key_.SetBinary("Bytes", "\x01\x02");
    key_.SetStringIn("Child", "Plain", std::string("child\0", 6));
  }

  // A reader as the probes make one, on the test key below HKEY_CURRENT_USER.
  std::string Read(const std::string& name) {
    RegistryReader registry(platform::kHkeyCurrentUser);
    EXPECT_TRUE(registry.OpenKey(key_.Path()));
    return registry.ReadString(name);
  }

  std::string ErrorOf(const std::string& name) {
    try {
      Read(name);
    } catch (const Error& error) {
      EXPECT_EQ(error.Kind(), ErrorKind::ERegistryException);
      return error.Message();
    }
    return "(no error)";
  }

  platform::test::TestRegistryKey key_{"reader"};
};

TEST_F(Win32RegistryReader, StringsKeepTheirBlanksAndEndAtTheFirstNul) {
  EXPECT_EQ(Read("Blanks"), "   Padded CPU  ");
  EXPECT_EQ(Read("Embedded"), "ab");
  EXPECT_EQ(Read("Empty"), "");
  EXPECT_EQ(Read("Missing"), "");
}

TEST_F(Win32RegistryReader, OtherTypesRaiseWithTheValueName) {
  EXPECT_EQ(ErrorOf("VendorIdentifier"),
            platform::Utf8ToAnsi("Ungültiger Datentyp für 'VendorIdentifier'"));
  EXPECT_EQ(ErrorOf("Bytes"), platform::Utf8ToAnsi("Ungültiger Datentyp für 'Bytes'"));
}

TEST_F(Win32RegistryReader, AKeyThatFailsToOpenLeavesTheOpenOneInPlace) {
  RegistryReader registry(platform::kHkeyCurrentUser);
  ASSERT_TRUE(registry.OpenKey(key_.Path() + "\\Child"));
  EXPECT_EQ(registry.ReadString("Plain"), "child");
  EXPECT_FALSE(registry.OpenKey(key_.Path() + "\\Child\\Child"));
  EXPECT_EQ(registry.ReadString("Plain"), "child");
  ASSERT_TRUE(registry.OpenKey(key_.Path()));
  EXPECT_EQ(registry.ReadString("Embedded"), "ab");
}

TEST_F(Win32RegistryReader, NoOpenKeyReadsAsEmpty) {
  RegistryReader registry(platform::kHkeyLocalMachine);
  EXPECT_FALSE(registry.OpenKey("Hardware\\No Such Key"));
  EXPECT_EQ(registry.ReadString("VendorIdentifier"), "");
}

}  // namespace
}  // namespace zaveredo
