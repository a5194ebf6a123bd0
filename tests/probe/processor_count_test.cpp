#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

#include "probe/processor.h"
#include "tests/support/raised_kind.h"

namespace zaveredo {
namespace {

TEST(ProcessorCountTest, SignedRangeIsPassedAndAnythingAboveRaisesARangeError) {
  EXPECT_EQ(ProcessorCountFrom(1), 1);
  EXPECT_EQ(ProcessorCountFrom(2147483647u), 2147483647);
  EXPECT_EQ(test_support::RaisedKind([] { ProcessorCountFrom(2147483648u); }), "ERangeError");
  EXPECT_EQ(test_support::RaisedKind([] { ProcessorCountFrom(0xFFFFFFFFu); }), "ERangeError");
}

TEST(ProcessorCountTest, ThisMachineReportsAsManyProcessorsAsTheLibrarySees) {
  unsigned seen = std::thread::hardware_concurrency();
  if (seen == 0) GTEST_SKIP() << "the library cannot tell";
  EXPECT_EQ(GetProcessorCount(), static_cast<std::int32_t>(seen));
}

}  // namespace
}  // namespace zaveredo
