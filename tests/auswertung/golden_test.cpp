// Every format of the report on the fixed set of records, against the files in golden/.
// ZAV_UPDATE_GOLDEN=1 writes them anew; a changed file is then read and checked by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "auswertung/formats/render.h"
#include "auswertung/read/text_decoding.h"
#include "tests/auswertung/fixture.h"

namespace zaveredo::auswertung {
namespace {

using test_support::FileBytes;
using test_support::FixtureCollection;
using test_support::TestPath;

struct GoldenCase {
  const char* file;
  Format format;
  std::optional<int> compared;
  bool types;
};

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, MatchesTheGoldenFile) {
  const GoldenCase& c = GetParam();
  Options options;
  options.compared = c.compared;
  options.types = c.types;
  const Report report = BuildReport(FixtureCollection(), options);
  const NumberStyle german{",", "."};
  const std::string output = RenderReport(report, c.format, german);
  const std::string path = TestPath(std::string("golden/") + c.file);
  if (std::getenv("ZAV_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << output;
  }
  EXPECT_EQ(output, FileBytes(path)) << path;
  if (c.format == Format::kText) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(CharacterCount(line), 100u) << line;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, GoldenTest,
    ::testing::Values(GoldenCase{"uebersicht.txt", Format::kText, std::nullopt, false},
                      GoldenCase{"vergleich.txt", Format::kText, 2, false},
                      GoldenCase{"typen.txt", Format::kText, std::nullopt, true},
                      GoldenCase{"records.csv", Format::kCsv, std::nullopt, false},
                      GoldenCase{"report.json", Format::kJson, std::nullopt, false},
                      GoldenCase{"report.md", Format::kMarkdown, std::nullopt, false},
                      GoldenCase{"report.html", Format::kHtml, std::nullopt, false}),
    [](const auto& info) {
      std::string name = info.param.file;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

}  // namespace
}  // namespace zaveredo::auswertung
