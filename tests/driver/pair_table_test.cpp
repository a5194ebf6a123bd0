#include "driver/pair_table.h"

#include <gtest/gtest.h>

#include <set>

#include "workloads/element_table.h"

namespace zaveredo {
namespace {

TEST(PairTableTest, WarmUpWithExtendedThenEveryTypeRecordedOnceInTypeOrder) {
  const auto& pairs = kPhasePairs;
  EXPECT_EQ(pairs[0].type, ElementType::kExtended);
  EXPECT_FALSE(pairs[0].recorded);
  for (int i = 1; i < kPhasePairCount; ++i) {
    EXPECT_TRUE(pairs[i].recorded) << i;
    EXPECT_EQ(static_cast<int>(pairs[i].type), i - 1) << i;
  }
}

TEST(PairTableTest, GroupsEndAfterTheWarmUpCurrencyAndInt64) {
  std::set<int> ends;
  for (int i = 0; i < kPhasePairCount; ++i)
    if (kPhasePairs[i].emptyLineAfter) ends.insert(i);
  EXPECT_EQ(ends, (std::set<int>{0, 6, 16}));
}

}  // namespace
}  // namespace zaveredo
