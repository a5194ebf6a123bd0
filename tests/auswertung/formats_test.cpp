// The human formats write the same views: the same headings, rows and items in the same
// order, on the records of real runs; and the heat map's colour scale.
#include "auswertung/formats/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "auswertung/formats/heat_map.h"
#include "auswertung/formats/render.h"
#include "auswertung/formats/text_format.h"
#include "auswertung/views/report_views.h"
#include "tests/auswertung/fixture.h"
#include "tests/auswertung/invoke.h"

namespace zaveredo::auswertung {
namespace {

using test_support::FileBytes;
using test_support::TestPath;
using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> LinesOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Split(std::string text, const std::string& between) {
  std::vector<std::string> parts;
  for (std::size_t at; (at = text.find(between)) != std::string::npos;) {
    parts.push_back(text.substr(0, at));
    text.erase(0, at + between.size());
  }
  parts.push_back(text);
  return parts;
}

std::string Unescaped(std::string text) {
  for (const auto& [entity, c] : std::vector<std::pair<std::string, std::string>>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}}) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
      text.replace(at, entity.size(), c);
    }
  }
  return text;
}

// Table rows in Markdown: "| a | b |" lines but the header (the line above "|---") and divider.
Rows MarkdownRows(const std::string& markdown) {
  const std::vector<std::string> lines = LinesOf(markdown);
  Rows rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool header = i + 1 < lines.size() && lines[i + 1].starts_with("|---");
    if (!lines[i].starts_with("| ") || header) continue;
    rows.push_back(Split(Unescaped(lines[i].substr(2, lines[i].size() - 4)), " | "));
  }
  return rows;
}

// Table rows in HTML: "<tr><td>…</td>…</tr>"; the heat map's rows begin with a <th>.
Rows HtmlRows(const std::string& html) {
  Rows rows;
  for (const std::string& line : LinesOf(html)) {
    if (!line.starts_with("<tr><td")) continue;
    std::vector<std::string> cells = Split(line.substr(4, line.size() - 9 - 5), "</td>");
    for (std::string& cell : cells) cell = Unescaped(cell.substr(cell.find('>') + 1));
    rows.push_back(cells);
  }
  return rows;
}

std::vector<std::string> Prefixed(const std::string& text, const std::string& start,
                                  const std::string& end = "") {
  std::vector<std::string> found;
  for (const std::string& line : LinesOf(text)) {
    if (line.starts_with(start))
      found.push_back(
          Unescaped(line.substr(start.size(), line.size() - start.size() - end.size())));
  }
  return found;
}

TEST(FormatsTest, TextMarkdownAndHtmlShowTheSameViewsRowsAndItemsInOneOrder) {
  Collection collection;
  for (const char* name : {"linux-c-locale.txt", "linux-de-utf8.txt", "wine-xp-cp1252.txt"}) {
    AddFileRecords(collection, name, FileBytes(TestPath(std::string("data/real/") + name)));
  }
  PlaceAmbiguousRecords(collection);
  const Report report = BuildReport(std::move(collection), Options{});
  const NumberStyle style{",", "."};
  const std::vector<View> views = ReportViews(report, style);
  Rows rows;
  std::vector<std::string> headings, items;
  for (const View& view : views) {
    headings.push_back(view.title);
    for (const Block& block : view.blocks) {
      if (const auto* table = std::get_if<Table>(&block)) {
        rows.insert(rows.end(), table->rows.begin(), table->rows.end());
      } else if (const auto* list = std::get_if<ItemList>(&block)) {
        items.insert(items.end(), list->items.begin(), list->items.end());
      }
    }
  }
  // The Übersicht, the Vergleich of the two machines and the noise hints, with real rows.
  ASSERT_EQ(views.size(), 3u);
  ASSERT_EQ(rows.size(), 2u + 16u);
  ASSERT_GT(items.size(), 10u);
  for (std::string& heading : headings) {
    std::replace(heading.begin(), heading.end(), '\n', ' ');
    if (heading.ends_with(":")) heading.pop_back();
  }

  const std::string markdown = MarkdownReport(report, style);
  EXPECT_EQ(MarkdownRows(markdown), rows);
  EXPECT_EQ(Prefixed(markdown, "## "), headings);
  EXPECT_EQ(Prefixed(markdown, "- "), items);

  const std::string html = HtmlReport(report, style);
  EXPECT_EQ(HtmlRows(html), rows);
  std::vector<std::string> htmlHeadings = Prefixed(html, "<h2>", "</h2>");
  // The page adds its heat map after the Übersicht and the charts of the types at the end.
  ASSERT_EQ(htmlHeadings.size(), headings.size() + 2);
  htmlHeadings.erase(htmlHeadings.begin() + 1);
  htmlHeadings.pop_back();
  EXPECT_EQ(htmlHeadings, headings);
  EXPECT_EQ(Prefixed(html, "<li>", "</li>"), items);

  // The console cuts long cells; the first cell of each row and every item stand whole.
  const std::string text = TextReport(report, style);
  std::set<std::string> firstCells;
  for (const auto& row : rows) firstCells.insert(row[0]);
  std::vector<std::string> textFirst, wanted;
  for (const auto& row : rows) wanted.push_back(row[0]);
  for (const std::string& line : LinesOf(text)) {
    std::string first;
    std::istringstream(line) >> first;
    if (firstCells.count(first) != 0) textFirst.push_back(first);
  }
  EXPECT_EQ(textFirst, wanted);
  std::vector<std::string> textItems = Prefixed(text, "  Maschine ");
  ASSERT_EQ(textItems.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ("Maschine " + textItems[i], items[i]);
  std::size_t at = 0;
  for (const View& view : views) {
    at = text.find(view.title, at);
    EXPECT_NE(at, std::string::npos) << view.title;
  }
}

// CSV and JSON leave in pieces of 64 KiB: a report of many pieces is whole, no byte lost or
// doubled where one piece ends and the next begins.
TEST(FormatsTest, StreamedFormatsAreWholeAcrossManyPieces) {
  constexpr int kRecords = 3000;
  const std::string record = test_support::MakeRecord(
      "GenuineIntel;Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz/x86;3392;8;Linux;AB;", {0.5, 1.25});
  std::string file;
  for (int i = 0; i < kRecords; ++i) file += record + "\r\n";
  Collection collection;
  AddFileRecords(collection, "viele.txt", file);
  const Report report = BuildReport(std::move(collection), Options{});
  const NumberStyle style{",", "."};

  const std::string csv = RenderReport(report, Format::kCsv, style);
  ASSERT_GT(csv.size(), 4u * 64 * 1024);
  const std::vector<std::string> rows = Split(csv, "\r\n");
  ASSERT_EQ(rows.size(), kRecords + 2u);  // the header, the records, nothing after the last end
  EXPECT_EQ(rows.back(), "");
  const std::string firstRest = rows[1].substr(rows[1].find(','));
  for (int i = 1; i <= kRecords; ++i) {
    EXPECT_EQ(rows[i], std::to_string(i) + firstRest) << "row " << i;
  }

  const nlohmann::json json = nlohmann::json::parse(RenderReport(report, Format::kJson, style));
  ASSERT_EQ(json["records"].size(), static_cast<std::size_t>(kRecords));
  for (int i = 0; i < kRecords; ++i) EXPECT_EQ(json["records"][i]["number"], i + 1);
  EXPECT_EQ(json["machines"].size(), 1u);
}

TEST(FormatsTest, TheHeatMapDivergesFromWhiteAtOneWithLegibleText) {
  EXPECT_EQ(HeatColours(1.0).background, "#ffffff");
  EXPECT_EQ(HeatColours(std::nullopt).background, "#ffffff");
  EXPECT_EQ(HeatColours(1.0).text, "#000000");
  // Full from a ratio of 2 on: the palette's blue with white text, its vermillion with black.
  EXPECT_EQ(HeatColours(2.5).background, kFasterColour);
  EXPECT_EQ(HeatColours(2.5).text, "#ffffff");
  EXPECT_EQ(HeatColours(0.25).background, kSlowerColour);
  EXPECT_EQ(HeatColours(0.25).text, "#000000");
  // Halfway on the logarithmic scale, either way.
  EXPECT_EQ(HeatColours(std::sqrt(2.0)).background, "#80b9d9");
  EXPECT_EQ(HeatColours(1 / std::sqrt(2.0)).background, "#eaaf80");
}

}  // namespace
}  // namespace zaveredo::auswertung
