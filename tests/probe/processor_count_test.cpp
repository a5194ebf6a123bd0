#include <gtest/gtest.h>

#include "probe/processor.h"
#include "tests/runtime/errors/raised_kind.h"

namespace zaveredo {
namespace {

TEST(ProcessorCountTest, SignedRangeIsPassedAndAnythingAboveRaisesARangeError) {
  EXPECT_EQ(ProcessorCountFrom(1), 1);
  EXPECT_EQ(ProcessorCountFrom(2147483647u), 2147483647);
  EXPECT_EQ(test_support::RaisedKind([] { ProcessorCountFrom(2147483648u); }), "ERangeError");
  EXPECT_EQ(test_support::RaisedKind([] { ProcessorCountFrom(0xFFFFFFFFu); }), "ERangeError");
}

TEST(ProcessorCountTest, ThisMachineHasAtLeastOneProcessor) {
  EXPECT_GE(GetProcessorCount(), 1);
}

}  // namespace
}  // namespace zaveredo
