#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/support/raised_kind.h"
#include "tests/workloads/workload_test.h"
#include "workloads/element_traits.h"
#include "workloads/quicksort_range.h"
#include "workloads/real48.h"

namespace zaveredo {
namespace {

class QuicksortTest : public test_support::WorkloadTest {};

template <typename Traits, typename Element>
std::vector<Element> Sorted(std::vector<Element> values) {
  auto high = static_cast<std::int32_t>(values.size()) - 1;
  QuickSortRange<Traits>(values.data(), high, 0, high);
  return values;
}

TEST_F(QuicksortTest, SmallIntegerArrays) {
  using V = std::vector<std::int32_t>;
  EXPECT_EQ(Sorted<sorting::IntegerTraits>(V{2, 1}), (V{1, 2}));
  EXPECT_EQ(Sorted<sorting::IntegerTraits>(V{3, 1, 2}), (V{1, 2, 3}));
  EXPECT_EQ(Sorted<sorting::IntegerTraits>(V{42}), (V{42}));
  EXPECT_EQ(Sorted<sorting::IntegerTraits>(V(9, 7)), V(9, 7));
  EXPECT_EQ(Sorted<sorting::LongIntTraits>(V{5, -3, 9, -3, 0, 7, 1, 5}),
            (V{-3, -3, 0, 1, 5, 5, 7, 9}));
}

TEST_F(QuicksortTest, SignedAndUnsignedTypesOrderTheSameBitsDifferently) {
  EXPECT_EQ(Sorted<sorting::ByteTraits>(std::vector<std::uint8_t>{200, 100}),
            (std::vector<std::uint8_t>{100, 200}));
  EXPECT_EQ(Sorted<sorting::ShortIntTraits>(std::vector<std::int8_t>{-56, 100}),
            (std::vector<std::int8_t>{-56, 100}));
  EXPECT_EQ(Sorted<sorting::ShortIntTraits>(std::vector<std::int8_t>{100, -56}),
            (std::vector<std::int8_t>{-56, 100}));
  EXPECT_EQ(Sorted<sorting::WordTraits>(std::vector<std::uint16_t>{0x8000, 0x7FFF}),
            (std::vector<std::uint16_t>{0x7FFF, 0x8000}));
  EXPECT_EQ(Sorted<sorting::SmallIntTraits>(std::vector<std::int16_t>{0x7FFF, -32768}),
            (std::vector<std::int16_t>{-32768, 0x7FFF}));
  EXPECT_EQ(Sorted<sorting::CardinalTraits>(std::vector<std::uint32_t>{0x80000000u, 1}),
            (std::vector<std::uint32_t>{1, 0x80000000u}));
  EXPECT_EQ(Sorted<sorting::LongWordTraits>(std::vector<std::uint32_t>{0xFFFFFFFFu, 0}),
            (std::vector<std::uint32_t>{0, 0xFFFFFFFFu}));
  EXPECT_EQ(Sorted<sorting::IntegerTraits>(std::vector<std::int32_t>{1, INT32_MIN}),
            (std::vector<std::int32_t>{INT32_MIN, 1}));
}

TEST_F(QuicksortTest, SixtyFourBitTypesCompareWholeValues) {
  using V = std::vector<std::int64_t>;
  const V input{-1, 4294967296, 0, 4294967295, INT64_MIN, INT64_MAX};
  const V expected{INT64_MIN, -1, 0, 4294967295, 4294967296, INT64_MAX};
  EXPECT_EQ(Sorted<sorting::Int64Traits>(input), expected);
  // Through the floating-point unit, values beyond 2^53 still compare exactly.
  EXPECT_EQ(Sorted<sorting::CompTraits>(input), expected);
  EXPECT_EQ(Sorted<sorting::CurrencyTraits>(V{1, -1, (1LL << 60) + 1, 1LL << 60}),
            (V{-1, 1, 1LL << 60, (1LL << 60) + 1}));
}

TEST_F(QuicksortTest, FloatTypesCompareExactly) {
  EXPECT_EQ(Sorted<sorting::SingleTraits>(std::vector<float>{1.0f + 0x1p-23f, -0.0f, 1.0f, -3.5f}),
            (std::vector<float>{-3.5f, -0.0f, 1.0f, 1.0f + 0x1p-23f}));
  EXPECT_EQ(Sorted<sorting::RealTraits>(std::vector<double>{1.0 + 0x1p-52, 1.0, -2.0}),
            (std::vector<double>{-2.0, 1.0, 1.0 + 0x1p-52}));
  EXPECT_EQ(Sorted<sorting::DoubleTraits>(std::vector<double>{3.0, 1e300, -1e-300}),
            (std::vector<double>{-1e-300, 3.0, 1e300}));
  std::vector<Extended> extended(3);
  long double values[] = {1.0L + 0x1p-63L, 1.0L, -1.0L};
  for (int k = 0; k < 3; ++k) x87::StoreExtended(values[k], &extended[k]);
  QuickSortRange<sorting::ExtendedTraits>(extended.data(), 2, 0, 2);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(x87::LoadExtended(extended[k]), values[2 - k]) << k;
}

TEST_F(QuicksortTest, Real48CopiesGoThroughExtended) {
  std::vector<Real48> values(3);
  ExtendedToReal48(1.5L, &values[0]);
  values[1] = Real48{{0x00, 0x12, 0x34, 0x56, 0x78, 0x9A}};  // reads as zero
  ExtendedToReal48(-2.0L, &values[2]);
  QuickSortRange<sorting::Real48Traits>(values.data(), 2, 0, 2);
  EXPECT_EQ(Real48ToExtended(values[0]), -2.0L);
  EXPECT_EQ(Real48ToExtended(values[2]), 1.5L);
  // The zero pattern with stray bytes comes out as six zero bytes.
  EXPECT_EQ(std::vector<int>(values[1].bytes, values[1].bytes + 6), std::vector<int>(6, 0));
}

TEST_F(QuicksortTest, AnEmptyArrayRaisesRangeErrorInsideTheSortRoutine) {
  std::int32_t none[1] = {0};
  try {
    QuickSortRange<sorting::IntegerTraits>(none, -1, 0, -1);
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.Kind(), ErrorKind::ERangeError);
    // The error is reported just after the failed check, inside the routine that made it.
    auto routine = reinterpret_cast<std::uintptr_t>(&QuickSortRange<sorting::IntegerTraits>);
    auto at = reinterpret_cast<std::uintptr_t>(error.Address());
    EXPECT_GT(at, routine);
    EXPECT_LT(at, routine + 4096);
  }
  std::int64_t wide[1] = {0};
  EXPECT_EQ(
      test_support::RaisedKind([&] { QuickSortRange<sorting::Int64Traits>(wide, -1, 0, -1); }),
      "ERangeError");
  EXPECT_EQ(
      test_support::RaisedKind([] { QuickSortRange<sorting::Real48Traits>(nullptr, -1, 0, -1); }),
      "ERangeError");
}

TEST_F(QuicksortTest, AnIndexBeyondTheHighestRaisesRangeError) {
  std::int32_t values[4] = {4, 3, 2, 1};
  // Sorting a part that ends past the array's highest index fails its first check there.
  EXPECT_EQ(
      test_support::RaisedKind([&] { QuickSortRange<sorting::IntegerTraits>(values, 1, 0, 3); }),
      "ERangeError");
  // A negative index fails too (the pivot position -1 here), whatever the highest index.
  EXPECT_EQ(
      test_support::RaisedKind([&] { QuickSortRange<sorting::IntegerTraits>(values, 3, -2, -1); }),
      "ERangeError");
  EXPECT_EQ(test_support::RaisedKind(
                [&] { QuickSortRange<sorting::ByteTraits>(nullptr, 2147483647, -2, -1); }),
            "ERangeError");
  // And with a highest index below -1 every index fails, 0 included.
  EXPECT_EQ(
      test_support::RaisedKind([&] { QuickSortRange<sorting::IntegerTraits>(values, -5, 0, 0); }),
      "ERangeError");
  EXPECT_EQ(values[0], 4);
}

}  // namespace
}  // namespace zaveredo
