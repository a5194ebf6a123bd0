#include "runtime/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/clock.h"

namespace zaveredo {
namespace {

std::vector<std::int32_t> Draws(std::uint32_t seed, std::int32_t n, int count) {
  RandomSeed = seed;
  std::vector<std::int32_t> values;
  for (int k = 0; k < count; ++k) values.push_back(RandomBelow(n));
  return values;
}

TEST(RandomBelowTest, SequencesFromSeedZero) {
  EXPECT_EQ(Draws(0, 100000, 6), (std::vector<std::int32_t>{0, 3137, 86104, 20258, 27292, 67165}));
  EXPECT_EQ(Draws(0, 255, 6), (std::vector<std::int32_t>{0, 8, 219, 51, 69, 171}));
  EXPECT_EQ(Draws(0, 2147483647, 6),
            (std::vector<std::int32_t>{0, 67387906, 1849087502, 435039309, 586093958, 1442366880}));
}

TEST(RandomBelowTest, SeedAdvancesBeforeTheValueIsMade) {
  const std::uint32_t expected[] = {1u,         134775814u,  3698175007u,
                                    870078620u, 1172187917u, 2884733762u};
  RandomSeed = 0;
  for (std::uint32_t seed : expected) {
    RandomBelow(100000);
    EXPECT_EQ(RandomSeed, seed);
  }
}

TEST(RandomBelowTest, SequenceFromSeed12345) {
  EXPECT_EQ(Draws(12345, 100000, 3), (std::vector<std::int32_t>{38535, 28935, 7973}));
}

TEST(RandomBelowTest, DegenerateBoundsYieldZeroAndStillAdvance) {
  RandomSeed = 77;
  EXPECT_EQ(RandomBelow(1), 0);
  EXPECT_EQ(RandomSeed, 77u * 134775813u + 1u);
  EXPECT_EQ(RandomBelow(0), 0);
  EXPECT_EQ(RandomSeed, (77u * 134775813u + 1u) * 134775813u + 1u);
}

TEST(RandomBelowTest, StaysBelowTheBoundAcrossTheSeedRange) {
  for (std::int32_t n : {1, 2, 255, 100000, 2147483646, 2147483647}) {
    // Seeds whose successors are near 0 and near 2^32 exercise both ends of the mapping.
    for (std::uint32_t next : {0u, 1u, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
      RandomSeed = (next - 1u) * 0xD94FA8CDu;  // the multiplier's inverse: seed -> next
      ASSERT_EQ(RandomSeed * 134775813u + 1u, next);
      std::int32_t value = RandomBelow(n);
      EXPECT_GE(value, 0) << n;
      EXPECT_LT(value, n) << n;
      EXPECT_EQ(value, static_cast<std::int32_t>((std::uint64_t(n) * next) >> 32));
    }
  }
}

TEST(SeedRandomSourceTest, TakesTheLowBitsOfTheCounter) {
  std::int64_t before = 0;
  std::int64_t after = 0;
  ASSERT_TRUE(platform::QueryPerformanceCounter(&before));
  SeedRandomSource();
  ASSERT_TRUE(platform::QueryPerformanceCounter(&after));
  std::uint32_t low = static_cast<std::uint32_t>(before);
  // The low 32 bits lie between the two readings, modulo 2^32.
  EXPECT_LE(RandomSeed - low, static_cast<std::uint32_t>(after - before));
}

}  // namespace
}  // namespace zaveredo
