// The records' store: records stay where they are while it grows across blocks, and erasing
// from any point, copying and iterating see the records in order.
#include "auswertung/read/record_store.h"

#include <gtest/gtest.h>

#include <utility>

namespace zaveredo::auswertung {
namespace {

constexpr std::size_t kBlock = RecordStore::kBlockSize;

RecordStore Numbered(std::size_t count) {
  RecordStore store;
  for (std::size_t i = 0; i < count; ++i) store.emplace_back().number = static_cast<int>(i + 1);
  return store;
}

void ExpectNumbered(const RecordStore& store, std::size_t count) {
  ASSERT_EQ(store.size(), count);
  int expected = 1;
  for (const Record& record : store) EXPECT_EQ(record.number, expected++);
  EXPECT_EQ(expected, static_cast<int>(count) + 1);
}

TEST(RecordStoreTest, RecordsKeepTheirPlaceWhileTheStoreGrows) {
  RecordStore store = Numbered(1);
  const Record* first = &store[0];
  for (std::size_t i = 1; i < 3 * kBlock + 5; ++i) {
    store.emplace_back().number = static_cast<int>(i + 1);
  }
  EXPECT_EQ(&store[0], first);
  ExpectNumbered(store, 3 * kBlock + 5);
  EXPECT_EQ(store[2 * kBlock].number, static_cast<int>(2 * kBlock + 1));
}

TEST(RecordStoreTest, ErasingFromAnyPointLeavesTheRecordsBeforeIt) {
  for (std::size_t from : {std::size_t{0}, std::size_t{7}, kBlock - 1, kBlock, kBlock + 1,
                           2 * kBlock, 2 * kBlock + 3}) {
    RecordStore store = Numbered(2 * kBlock + 3);
    store.erase_from(from);
    ExpectNumbered(store, from);
    // It grows again from there, into a fresh block where the old one was dropped.
    store.emplace_back().number = static_cast<int>(from + 1);
    ExpectNumbered(store, from + 1);
  }
}

TEST(RecordStoreTest, ACopyGrowsOnItsOwnAndAMoveLeavesItsSourceEmpty) {
  const RecordStore original = Numbered(kBlock + 2);
  RecordStore copy = original;
  const Record* kept = &copy[0];
  for (std::size_t i = kBlock + 2; i < 2 * kBlock + 1; ++i) {
    copy.emplace_back().number = static_cast<int>(i + 1);
  }
  copy[0].number = 99;
  EXPECT_EQ(&copy[0], kept);
  EXPECT_EQ(original[0].number, 1);
  ExpectNumbered(original, kBlock + 2);
  EXPECT_EQ(copy.size(), 2 * kBlock + 1);
  EXPECT_EQ(copy.back().number, static_cast<int>(2 * kBlock + 1));

  // Moved, the records stay where they are and the store moved from is empty and usable.
  RecordStore moved = std::move(copy);
  EXPECT_EQ(&moved[0], kept);
  EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): left empty on purpose
  copy.emplace_back().number = 1;
  ExpectNumbered(copy, 1);
  EXPECT_EQ(moved.size(), 2 * kBlock + 1);
}

}  // namespace
}  // namespace zaveredo::auswertung
