// Whole arrays: every generator's values lie in its range, and every sort leaves them
// ascending with the same multiset of values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/workloads/workload_test.h"
#include "workloads/element_formats.h"
#include "workloads/element_table.h"
#include "workloads/real48.h"

namespace zaveredo {
namespace {

using T = ElementType;
constexpr std::int32_t kCount = 200000;

class FillAndSortTest : public test_support::WorkloadTest {
 protected:
  // Fills the type's array from a fixed seed and returns a copy of it.
  template <typename Element>
  std::vector<Element> Fill(T type) {
    ElementCount = kCount;
    SizeArray(type);
    RandomSeed = 20261208;
    RowOf(type).fill();
    const auto* data = static_cast<const Element*>(ArrayOf(type).data);
    return std::vector<Element>(data, data + kCount);
  }

  // Sorts the array in place and checks it against an independently sorted copy of the fill.
  template <typename Element, typename Less>
  void SortAndCompare(T type, std::vector<Element> filled, Less less) {
    RowOf(type).sort();
    std::sort(filled.begin(), filled.end(), less);
    const auto* sorted = static_cast<const Element*>(ArrayOf(type).data);
    ASSERT_EQ(std::memcmp(sorted, filled.data(), filled.size() * sizeof(Element)), 0);
  }

  template <typename Element>
  void CheckRangeAndSort(T type, long double low, long double high) {
    std::vector<Element> filled = Fill<Element>(type);
    auto [least, most] = std::minmax_element(filled.begin(), filled.end());
    EXPECT_GE(static_cast<long double>(*least), low);
    EXPECT_LE(static_cast<long double>(*most), high);
    EXPECT_GT(*most, *least) << "the values vary";
    SortAndCompare(type, filled, std::less<Element>());
  }
};

TEST_F(FillAndSortTest, FloatTypes) {
  const double top = 3.1830670308;
  CheckRangeAndSort<double>(T::kReal, 0, top + 1e-9);
  CheckRangeAndSort<double>(T::kDouble, 0, top + 1e-9);
  CheckRangeAndSort<float>(T::kSingle, 0, top + 1e-6);
}

TEST_F(FillAndSortTest, Extended) {
  auto load = [](const Extended& e) {
    long double v = 0;
    std::memcpy(&v, e.bytes, 10);
    return v;
  };
  std::vector<Extended> filled = Fill<Extended>(T::kExtended);
  for (const Extended& e : filled) {
    ASSERT_GE(load(e), 0.0L);
    ASSERT_LE(load(e), 3.18306703084L);
  }
  SortAndCompare(T::kExtended, filled,
                 [&](const Extended& a, const Extended& b) { return load(a) < load(b); });
}

TEST_F(FillAndSortTest, Real48PatternsSurviveTheSort) {
  std::vector<Real48> filled = Fill<Real48>(T::kReal48);
  for (const Real48& r : filled) {
    ASSERT_GE(Real48ToExtended(r), 0.0L);
    ASSERT_LE(Real48ToExtended(r), 3.18306703084L);
  }
  SortAndCompare(T::kReal48, filled, [](const Real48& a, const Real48& b) {
    return Real48ToExtended(a) < Real48ToExtended(b);
  });
}

TEST_F(FillAndSortTest, CurrencyAndSmallIntegers) {
  CheckRangeAndSort<std::int64_t>(T::kCurrency, 0, 31831);
  CheckRangeAndSort<std::int32_t>(T::kInteger, -200000, -168169);
  CheckRangeAndSort<std::uint8_t>(T::kByte, 0, 81);
  CheckRangeAndSort<std::int8_t>(T::kShortInt, -128, -88);
  CheckRangeAndSort<std::uint16_t>(T::kWord, 0, 20860);
  CheckRangeAndSort<std::int16_t>(T::kSmallInt, -32768, -22338);
  CheckRangeAndSort<std::uint32_t>(T::kCardinal, 0, 31831);
}

TEST_F(FillAndSortTest, WideIntegers) {
  CheckRangeAndSort<std::uint32_t>(T::kLongWord, 0, 683565275);
  CheckRangeAndSort<std::int32_t>(T::kLongInt, -2147483648.0L, -1463918373);
  CheckRangeAndSort<std::int64_t>(T::kComp, -2147483647, -1463918372);
  CheckRangeAndSort<std::int64_t>(T::kInt64, -2147483647, -1463918372);
}

}  // namespace
}  // namespace zaveredo
