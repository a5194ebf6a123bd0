#include "workloads/arrays.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/errors/errors.h"
#include "tests/workloads/workload_test.h"
#include "workloads/element_table.h"

namespace zaveredo {
namespace {

using T = ElementType;

class ArraysTest : public test_support::WorkloadTest {};

TEST_F(ArraysTest, SizingGivesElementCountZerosAndReleasingEmpties) {
  ElementCount = 1001;  // an odd byte count for every width, so the tail is zeroed too
  for (int k = 0; k < kElementTypeCount; ++k) {
    T type = static_cast<T>(k);
    SizeArray(type);
    DynamicArray& array = ArrayOf(type);
    ASSERT_EQ(array.length, 1001);
    auto* bytes = static_cast<std::uint8_t*>(array.data);
    std::int32_t size = 1001 * RowOf(type).width;
    for (std::int32_t b = 0; b < size; ++b) ASSERT_EQ(bytes[b], 0) << k << " " << b;
    bytes[size - 1] = 0xAB;  // resizing writes zeros again
    SizeArray(type);
    EXPECT_EQ(static_cast<std::uint8_t*>(ArrayOf(type).data)[size - 1], 0);
    ReleaseArray(type);
    EXPECT_EQ(ArrayOf(type).length, 0);
    EXPECT_EQ(ArrayOf(type).data, nullptr);
  }
}

TEST_F(ArraysTest, ReleaseAllEmptiesEveryArray) {
  ElementCount = 10;
  SizeArray(T::kByte);
  SizeArray(T::kInt64);
  ReleaseAllArrays();
  EXPECT_EQ(ArrayOf(T::kByte).length, 0);
  EXPECT_EQ(ArrayOf(T::kInt64).data, nullptr);
}

}  // namespace
}  // namespace zaveredo
