#include "workloads/checked_store.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/errors/errors.h"
#include "tests/support/raised_kind.h"
#include "tests/workloads/workload_test.h"

namespace zaveredo {
namespace {

using test_support::FirstElement;
using T = ElementType;

class CheckedStoreTest : public test_support::WorkloadTest {
 protected:
  void SetUp() override {
    WorkloadTest::SetUp();
    ElementCount = 1;
  }
};

// No draw of a generator leaves its type's range, so the check is tried on the store itself.
TEST_F(CheckedStoreTest, AValueOutsideTheRangeRaisesRangeErrorAndIsNotStored) {
  SizeArray(T::kByte);
  StoreChecked<std::uint8_t>(T::kByte, 0, 255, 0, 255);
  EXPECT_EQ(test_support::RaisedKind([] { StoreChecked<std::uint8_t>(T::kByte, 0, 256, 0, 255); }),
            "ERangeError");
  EXPECT_EQ(test_support::RaisedKind([] { StoreChecked<std::uint8_t>(T::kByte, 0, -1, 0, 255); }),
            "ERangeError");
  EXPECT_EQ(FirstElement<std::uint8_t>(T::kByte), 255);

  SizeArray(T::kShortInt);
  StoreChecked<std::int8_t>(T::kShortInt, 0, -128, -128, 127);
  EXPECT_EQ(
      test_support::RaisedKind([] { StoreChecked<std::int8_t>(T::kShortInt, 0, -129, -128, 127); }),
      "ERangeError");
  EXPECT_EQ(
      test_support::RaisedKind([] { StoreChecked<std::int8_t>(T::kShortInt, 0, 128, -128, 127); }),
      "ERangeError");
  EXPECT_EQ(FirstElement<std::int8_t>(T::kShortInt), -128);
}

}  // namespace
}  // namespace zaveredo
