#include "driver/pair_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "workloads/element_table.h"

namespace zaveredo {
namespace {

TEST(PairTableTest, LabelsAreTwentyCharactersWithTheColonInColumnEighteen) {
  for (const PhasePair& pair : PhasePairs()) {
    std::string label = RowOf(pair.type).label;
    ASSERT_EQ(label.size(), 20u) << label;
    EXPECT_EQ(label.substr(17), ":  ") << label;
    std::string head = label.substr(0, 17);
    std::string name = RowOf(pair.type).name;
    EXPECT_TRUE(head.starts_with(name)) << label;
    // The type name, " fuellen", then blanks only.
    EXPECT_EQ(head.substr(name.size(), 8), " fuellen") << label;
    EXPECT_EQ(head.find_first_not_of(' ', name.size() + 8), std::string::npos) << label;
  }
}

TEST(PairTableTest, WarmUpWithExtendedThenEveryTypeRecordedOnceInTypeOrder) {
  const auto& pairs = PhasePairs();
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
    if (PhasePairs()[i].emptyLineAfter) ends.insert(i);
  EXPECT_EQ(ends, (std::set<int>{0, 6, 16}));
}

}  // namespace
}  // namespace zaveredo
