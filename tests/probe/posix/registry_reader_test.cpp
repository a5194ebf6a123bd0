#include "probe/registry_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "tests/probe/posix/installed_store.h"
#include "tests/runtime/errors/raised_kind.h"

namespace zaveredo {
namespace {

using platform::RegistryValue;
using platform::StringValue;
using probe_test::InstalledStore;
using probe_test::OpenKeyBalance;

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Probe";
constexpr const char* kChildKey = "HKEY_LOCAL_MACHINE\\Software\\Probe\\Child";

std::string MessageOf(TRegistry& registry, const std::string& name) {
  try {
    registry.ReadString(name);
  } catch (const Error& error) {
    EXPECT_EQ(error.Kind(), ErrorKind::ERegistryException);
    return error.Message();
  }
  return "(no error)";
}

class RegistryReaderTest : public ::testing::Test {
 protected:
  RegistryReaderTest() {
    store_.SetValue(kKey, "Plain", StringValue("text"));
    store_.SetValue(kKey, "Blanks", StringValue("   lead and trail  "));
    store_.SetValue(kKey, "Embedded", StringValue(std::string("ab\0cd", 5)));
    store_.SetValue(kKey, "OnlyNul", StringValue(""));
    store_.SetValue(kKey, "Unterminated", RegistryValue{platform::kRegSz, "xyz"});
    store_.SetValue(kKey, "Expandable", RegistryValue{platform::kRegExpandSz, "%PATH%\\bin"});
    store_.SetValue(kKey, "Number", platform::DwordValue(7));
    store_.SetValue(kKey, "Bytes", RegistryValue{platform::kRegBinary, "\x01\x02"});
    store_.SetValue(kKey, "Other", RegistryValue{7, "a\0b\0"});
    store_.SetValue(kChildKey, "Plain", StringValue("child"));
  }

  std::string Read(const std::string& name) {
    TRegistry registry(platform::kKeyRead);
    registry.SetRootKey(platform::kHkeyLocalMachine);
    EXPECT_TRUE(registry.OpenKey("Software\\Probe"));
    return registry.ReadString(name);
  }

  platform::RegistryStore store_;
  InstalledStore installed_{&store_};
};

TEST_F(RegistryReaderTest, StringsAreCutAtTheFirstNulAndOtherwiseKeptAsStored) {
  EXPECT_EQ(Read("Plain"), "text");
  EXPECT_EQ(Read("plain"), "text");
  EXPECT_EQ(Read("Blanks"), "   lead and trail  ");
  EXPECT_EQ(Read("Embedded"), "ab");
  EXPECT_EQ(Read("Unterminated"), "xyz");
  EXPECT_EQ(Read("Expandable"), "%PATH%\\bin");  // not expanded
  EXPECT_EQ(Read("OnlyNul"), "");
  TRegistry unopened(platform::kKeyRead);
  EXPECT_EQ(unopened.ReadString("Plain"), "");
}

TEST_F(RegistryReaderTest, ValuesOfOtherTypesRaiseNamingTheValue) {
  TRegistry registry(platform::kKeyRead);
  registry.SetRootKey(platform::kHkeyLocalMachine);
  ASSERT_TRUE(registry.OpenKey("Software\\Probe"));
  for (const char* name : {"Number", "Bytes", "Other"}) {
    EXPECT_EQ(MessageOf(registry, name),
              platform::Utf8ToAnsi("Ungültiger Datentyp für '") + name + "'");
  }
}

TEST_F(RegistryReaderTest, PathsFromTheRootOrFromTheOpenKey) {
  TRegistry writer;  // asks for write access, which this registry refuses
  writer.SetRootKey(platform::kHkeyLocalMachine);
  EXPECT_FALSE(writer.OpenKey("Software\\Probe"));
  TRegistry registry(platform::kKeyRead);
  EXPECT_EQ(registry.RootKey(), platform::kHkeyCurrentUser);
  EXPECT_FALSE(registry.OpenKey("Software\\Probe"));  // not under the current user
  registry.SetRootKey(platform::kHkeyLocalMachine);
  ASSERT_TRUE(registry.OpenKey("Software"));
  ASSERT_TRUE(registry.OpenKey("Probe\\Child"));  // relative to Software
  EXPECT_EQ(registry.CurrentPath(), "Software\\Probe\\Child");
  EXPECT_EQ(registry.ReadString("Plain"), "child");
  EXPECT_FALSE(registry.OpenKey("Probe"));  // no Child\Probe; Child stays open
  EXPECT_EQ(registry.ReadString("Plain"), "child");
  ASSERT_TRUE(registry.OpenKey("\\Software\\Probe"));  // from the root
  EXPECT_EQ(registry.CurrentPath(), "Software\\Probe");
  EXPECT_EQ(registry.ReadString("Plain"), "text");
}

TEST_F(RegistryReaderTest, EveryOpenedKeyIsClosedOnEveryPath) {
  OpenKeyBalance balance;
  {
    TRegistry registry(platform::kKeyRead);
    registry.SetRootKey(platform::kHkeyLocalMachine);
    ASSERT_TRUE(registry.OpenKey("Software"));
    ASSERT_TRUE(registry.OpenKey("Probe"));  // closes Software
    EXPECT_EQ(balance.StillOpen(), 1);
    registry.SetRootKey(platform::kHkeyLocalMachine);  // same root: the key stays open
    EXPECT_EQ(registry.ReadString("Plain"), "text");
    registry.SetRootKey(platform::kHkeyCurrentUser);  // another root closes it
    EXPECT_EQ(balance.StillOpen(), 0);
    EXPECT_EQ(registry.CurrentKey(), platform::kNullKey);
    registry.SetRootKey(platform::kHkeyLocalMachine);
    ASSERT_TRUE(registry.OpenKey("Software\\Probe"));
    EXPECT_EQ(test_support::RaisedKind([&] { registry.ReadString("Number"); }),
              "ERegistryException");
  }
  EXPECT_EQ(balance.Opened(), 3);
  EXPECT_EQ(balance.StillOpen(), 0);
}

}  // namespace
}  // namespace zaveredo
