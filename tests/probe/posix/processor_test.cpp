#include "probe/processor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace zaveredo {
namespace {

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
  // The kernel trims the brand string's blanks; the probe keeps them, as Windows does. The kernel
  // read the brand at boot: a virtual machine resumed on another host may now answer with another
  // one.
  std::string brand = Trimmed(name.substr(0, slash));
  if (brand != Trimmed(kernel["model name"]))
    GTEST_SKIP() << "the processor now names itself \"" << brand << "\", the kernel booted with \""
                 << kernel["model name"] << "\"";
}

}  // namespace
}  // namespace zaveredo
