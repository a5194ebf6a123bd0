#include "bench/phase_tables.h"

#include <gtest/gtest.h>

namespace zaveredo::bench {
namespace {

TEST(PhaseTablesTest, RatiosAreToTheExtendedSortAndDoubleFillOfTheLargestCount) {
  std::vector<PhaseResult> results = {
      {"Fill", "double", 1000, 1.0},    {"Fill", "double", 10000, 8.0},
      {"Fill", "real48", 10000, 12.0},  {"Sort", "extended", 10000, 200.0},
      {"Sort", "real48", 10000, 440.0}, {"Sort", "real48", 1000, 999.0},
  };
  std::string text = FormatPhaseTables(results);
  EXPECT_NE(text.find("Fill, 10000 elements"), std::string::npos);
  EXPECT_NE(text.find("| real48 | 12.0 | 0.06 | 1.50 |"), std::string::npos) << text;
  EXPECT_NE(text.find("| real48 | 440.0 | 2.20 | 55.00 |"), std::string::npos) << text;
  EXPECT_EQ(text.find("999"), std::string::npos) << "a smaller count leaked in";
  // The fill table comes before the sort table.
  EXPECT_LT(text.find("Fill,"), text.find("Sort,"));
}

TEST(PhaseTablesTest, AMissingReferenceShowsADash) {
  std::string text = FormatPhaseTables({{"Sort", "Byte", 10, 40.0}});
  EXPECT_NE(text.find("| Byte | 40.0 | - | - |"), std::string::npos) << text;
  EXPECT_EQ(text.find("Fill,"), std::string::npos);
}

}  // namespace
}  // namespace zaveredo::bench
