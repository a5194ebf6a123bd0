// The processor identifier in the Windows form, with the extended fields folded in.
#include "platform/posix/cpuid.h"

#include <gtest/gtest.h>

namespace zaveredo::platform {
namespace {

// Leaf 1's EAX from its fields.
std::uint32_t Signature(std::uint32_t extFamily, std::uint32_t extModel, std::uint32_t family,
                        std::uint32_t model, std::uint32_t stepping) {
  return extFamily << 20 | extModel << 16 | family << 8 | model << 4 | stepping;
}

TEST(ProcessorIdentifierTest, FoldsExtendedFieldsOnlyWhereTheBaseFamilyCallsForThem) {
  EXPECT_EQ(ProcessorIdentifier("GenuineIntel", Signature(0, 5, 6, 5, 7), true),
            "Intel64 Family 6 Model 85 Stepping 7");
  EXPECT_EQ(ProcessorIdentifier("AuthenticAMD", Signature(0xA, 1, 0xF, 1, 1), true),
            "AMD64 Family 25 Model 17 Stepping 1");
  // Family 15 without an extended family: the extended model still counts.
  EXPECT_EQ(ProcessorIdentifier("GenuineIntel", Signature(0, 2, 0xF, 4, 9), true),
            "Intel64 Family 15 Model 36 Stepping 9");
  // Other families ignore both extended fields.
  EXPECT_EQ(ProcessorIdentifier("AuthenticAMD", Signature(3, 2, 5, 8, 0), false),
            "x86 Family 5 Model 8 Stepping 0");
  EXPECT_EQ(ProcessorIdentifier("HygonGenuine", Signature(9, 0, 0xF, 0, 2), true),
            "AMD64 Family 24 Model 0 Stepping 2");
}

}  // namespace
}  // namespace zaveredo::platform
