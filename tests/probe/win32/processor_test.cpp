// The probes on the real registry: what Windows stores there comes from the processor itself.
#include "probe/processor.h"

#include <cpuid.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace zaveredo {
namespace {

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

TEST(ProcessorRegistryProbeTest, VendorAndBrandAreTheProcessorsOwn) {
  unsigned regs[4] = {};
  ASSERT_TRUE(__get_cpuid(0, &regs[0], &regs[1], &regs[2], &regs[3]));
  char vendor[13] = {};
  std::memcpy(vendor, &regs[1], 4);
  std::memcpy(vendor + 4, &regs[3], 4);
  std::memcpy(vendor + 8, &regs[2], 4);
  EXPECT_EQ(GetProcessorVendor(), vendor);

  char brand[49] = {};
  if (__get_cpuid_max(0x80000000u, nullptr) < 0x80000004u)
    GTEST_SKIP() << "this processor reports no brand string";
  for (unsigned i = 0; i < 3; ++i) {
    __get_cpuid(0x80000002u + i, &regs[0], &regs[1], &regs[2], &regs[3]);
    std::memcpy(brand + 16 * i, regs, 16);
  }
  std::string name = GetProcessorName();
  std::size_t slash = name.rfind('/');
  ASSERT_NE(slash, std::string::npos);
  EXPECT_EQ(Trimmed(name.substr(0, slash)), Trimmed(brand));
  EXPECT_NE(name.find("Family", slash), std::string::npos) << name;
}

}  // namespace
}  // namespace zaveredo
