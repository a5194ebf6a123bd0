// Processor labels, and the Übersicht and the index chart of 30 different machines.
#include "auswertung/views/processor_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>

#include "auswertung/read/text_decoding.h"
#include "tests/auswertung/fixture.h"
#include "tests/auswertung/invoke.h"

namespace zaveredo::auswertung {
namespace {

using test_support::Invoke;
using test_support::TestPath;

TEST(ProcessorLabelTest, DropsMarksAndWordsButKeepsTheModel) {
  EXPECT_EQ(
      ProcessorLabel("Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz/x86 Family 6 Model 58 Stepping 9"),
      "Intel Core i7-3770");
  EXPECT_EQ(ProcessorLabel("Intel(R) Core(TM)2 Duo CPU     E8400  @ 3.00GHz/x86 Family 6"),
            "Intel Core2 Duo E8400");
  EXPECT_EQ(ProcessorLabel("AMD Ryzen 7 5800X 8-Core Processor             /AMD64 Family 25"),
            "AMD Ryzen 7 5800X");
  EXPECT_EQ(ProcessorLabel("12th Gen Intel(R) Core(TM) i7-12700K/Intel64 Family 6"),
            "Intel Core i7-12700K");
  EXPECT_EQ(ProcessorLabel("AMD Athlon(tm) 64 X2 Dual Core Processor 4200+/x86 Family 15"),
            "AMD Athlon 64 X2 4200+");
  EXPECT_EQ(ProcessorLabel("Intel(R) Pentium(R) 4 CPU 3.00GHz"), "Intel Pentium 4 3.00GHz");
  EXPECT_EQ(ProcessorLabel("AMD EPYC/AMD64 Family 26 Model 2 Stepping 1"), "AMD EPYC");
}

TEST(ProcessorLabelTest, FittingKeepsTheEndWhereTheModelStands) {
  EXPECT_EQ(FittedProcessorLabel("Intel Core i7-3770", 19), "Intel Core i7-3770");
  EXPECT_EQ(FittedProcessorLabel("Intel Xeon E5-2680 v4", 19), "Xeon E5-2680 v4");
  EXPECT_EQ(FittedProcessorLabel("AMD Ryzen Threadripper PRO 5995WX", 19), "…PRO 5995WX");
  EXPECT_EQ(FittedProcessorLabel("Ünterstützt Modellnummer-1234567", 8), "…1234567");
}

// The cell of the Prozessor column, counted in characters from the header.
std::string ProcessorCell(const std::string& line, std::size_t from, std::size_t width) {
  std::string cell;
  std::size_t character = 0;
  for (std::size_t at = 0; at < line.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(line[at]) & 0xC0) != 0x80;
    if (starts && at > 0) ++character;
    if (character >= from && character < from + width) cell += line[at];
  }
  return cell.substr(0, cell.find_last_not_of(' ') + 1);
}

TEST(ProcessorLabelTest, ThirtyMachinesHaveThirtyLabelsWithinOneHundredColumns) {
  const test_support::Outcome text = Invoke({TestPath("data/dreissig.txt")});
  ASSERT_EQ(text.code, 0) << text.err;
  std::istringstream lines(text.out);
  std::set<std::string> labels;
  std::size_t from = 0;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(CharacterCount(line), 100u) << line;
    if (line.rfind("Nr  ", 0) == 0) from = CharacterCount(line.substr(0, line.find("Prozessor")));
    if (from > 0 && std::regex_search(line, std::regex("^ ?\\d+  "))) {
      labels.insert(ProcessorCell(line, from, 19));
    }
  }
  EXPECT_EQ(labels.size(), 30u);
  for (const char* model : {"i7-3770", "E5-2680 v3", "E5-2680 v4", "Q6600", "1090T", "7763"}) {
    EXPECT_EQ(std::count_if(labels.begin(), labels.end(),
                            [&](const std::string& l) { return l.find(model) != l.npos; }),
              1)
        << model;
  }

  const test_support::Outcome html = Invoke({"--format", "html", TestPath("data/dreissig.txt")});
  const std::regex axisLabel("class=\"beschriftung\"[^>]*>(Nr\\. \\d+ [^<]*)<");
  std::set<std::string> axis;
  for (std::sregex_iterator it(html.out.begin(), html.out.end(), axisLabel), end; it != end; ++it) {
    axis.insert(it->str(1).substr(it->str(1).find(' ', 4) + 1));
  }
  EXPECT_EQ(axis.size(), 30u);
  EXPECT_EQ(axis.count("Intel Xeon E5-2680 v4"), 1u);
}

}  // namespace
}  // namespace zaveredo::auswertung
