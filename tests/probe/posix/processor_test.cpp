#include "probe/processor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "platform/codepage.h"
#include "runtime/errors/errors.h"
#include "tests/probe/posix/installed_store.h"

namespace zaveredo {
namespace {

using platform::StringValue;
using probe_test::InstalledStore;
using probe_test::kProcessorKeyPath;
using probe_test::OpenKeyBalance;

std::string RegistryMessage(std::string (*probe)()) {
  try {
    probe();
  } catch (const Error& error) {
    EXPECT_EQ(error.Kind(), ErrorKind::ERegistryException);
    return error.Message();
  }
  return "(no error)";
}

TEST(ProcessorProbeTest, VendorAndNameComeFromProcessorZerosKey) {
  platform::RegistryStore store;
  store.SetValue(kProcessorKeyPath, "VendorIdentifier", StringValue("GenuineIntel"));
  store.SetValue(kProcessorKeyPath, "ProcessorNameString",
                 StringValue("       Intel(R) Pentium(R) 4 CPU 3.00GHz"));
  store.SetValue(kProcessorKeyPath, "Identifier", StringValue("x86 Family 15 Model 4 Stepping 1"));
  store.SetValue("HKEY_LOCAL_MACHINE\\Hardware\\Description\\System\\CentralProcessor\\1",
                 "VendorIdentifier", StringValue("AuthenticAMD"));
  InstalledStore installed(&store);
  OpenKeyBalance balance;
  EXPECT_EQ(GetProcessorVendor(), "GenuineIntel");
  EXPECT_EQ(GetProcessorName(),
            "       Intel(R) Pentium(R) 4 CPU 3.00GHz/x86 Family 15 Model 4 Stepping 1");
  EXPECT_EQ(balance.Opened(), 2);
  EXPECT_EQ(balance.StillOpen(), 0);
}

TEST(ProcessorProbeTest, MissingKeyOrValuesLeaveEmptyTextsAroundTheSlash) {
  platform::RegistryStore empty;
  {
    InstalledStore installed(&empty);
    EXPECT_EQ(GetProcessorVendor(), "");
    EXPECT_EQ(GetProcessorName(), "/");
  }
  platform::RegistryStore partial;
  partial.SetValue(kProcessorKeyPath, "Identifier",
                   StringValue("AMD64 Family 25 Model 17 Stepping 1"));
  partial.SetValue(kProcessorKeyPath, "VendorIdentifier",
                   platform::RegistryValue{platform::kRegSz, ""});
  InstalledStore installed(&partial);
  EXPECT_EQ(GetProcessorVendor(), "");
  EXPECT_EQ(GetProcessorName(), "/AMD64 Family 25 Model 17 Stepping 1");
}

TEST(ProcessorProbeTest, EmbeddedNulEndsTheName) {
  platform::RegistryStore store;
  store.SetValue(kProcessorKeyPath, "ProcessorNameString",
                 StringValue(std::string("AMD EPYC\0garbage", 16)));
  store.SetValue(kProcessorKeyPath, "Identifier", StringValue(std::string("ID\0", 3)));
  InstalledStore installed(&store);
  EXPECT_EQ(GetProcessorName(), "AMD EPYC/ID");
}

TEST(ProcessorProbeTest, DwordVendorRaisesAndTheKeyIsClosed) {
  platform::RegistryStore store;
  store.SetValue(kProcessorKeyPath, "VendorIdentifier", platform::DwordValue(0x756E6547));
  InstalledStore installed(&store);
  OpenKeyBalance balance;
  EXPECT_EQ(RegistryMessage(GetProcessorVendor),
            platform::Utf8ToAnsi("Ungültiger Datentyp für 'VendorIdentifier'"));
  EXPECT_EQ(balance.Opened(), 1);
  EXPECT_EQ(balance.StillOpen(), 0);
}

TEST(ProcessorProbeTest, NameGrowingBetweenTheQueriesRaisesAndTheKeyIsClosed) {
  probe_test::GrowingStore store("ProcessorNameString");
  store.SetValue(kProcessorKeyPath, "ProcessorNameString", StringValue("AMD EPYC"));
  store.SetValue(kProcessorKeyPath, "Identifier", platform::DwordValue(1));
  InstalledStore installed(&store);
  OpenKeyBalance balance;
  // The name value is read first, so its failure is the one reported.
  EXPECT_EQ(RegistryMessage(GetProcessorName),
            platform::Utf8ToAnsi("Fehler beim Holen der Daten für 'ProcessorNameString'"));
  EXPECT_EQ(balance.Opened(), 1);
  EXPECT_EQ(balance.StillOpen(), 0);
}

// The kernel's view of processor 0: "vendor_id", "model name", "cpu family" and so on.
std::map<std::string, std::string> FirstProcessorOfCpuinfo() {
  std::map<std::string, std::string> fields;
  std::ifstream cpuinfo("/proc/cpuinfo");
  for (std::string line; std::getline(cpuinfo, line) && !line.empty();) {
    std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string key = line.substr(0, line.find_last_not_of(" \t", colon - 1) + 1);
    fields[key] = colon + 2 <= line.size() ? line.substr(colon + 2) : "";
  }
  return fields;
}

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

TEST(ProcessorProbeTest, ThisMachinesProcessorAsTheKernelDescribesIt) {
  std::map<std::string, std::string> kernel = FirstProcessorOfCpuinfo();
  if (!kernel.count("vendor_id") || !kernel.count("model name"))
    GTEST_SKIP() << "/proc/cpuinfo names no vendor or model";
  EXPECT_EQ(GetProcessorVendor(), kernel["vendor_id"]);
  std::string name = GetProcessorName();
  std::size_t slash = name.rfind('/');
  ASSERT_NE(slash, std::string::npos);
  if (kernel.count("cpu family") && kernel.count("model") && kernel.count("stepping")) {
    std::string fields = " Family " + kernel["cpu family"] + " Model " + kernel["model"] +
                         " Stepping " + kernel["stepping"];
    std::string identifier = name.substr(slash + 1);
    EXPECT_GE(identifier.size(), fields.size());
    EXPECT_EQ(identifier.substr(identifier.find(' ')), fields);
  }
  // The kernel trims the brand string's blanks; the registry keeps them. The kernel read the
  // brand at boot: a virtual machine resumed on another host may now answer with another one.
  std::string brand = Trimmed(name.substr(0, slash));
  if (brand != Trimmed(kernel["model name"]))
    GTEST_SKIP() << "the processor now names itself \"" << brand << "\", the kernel booted with \""
                 << kernel["model name"] << "\"";
}

}  // namespace
}  // namespace zaveredo
