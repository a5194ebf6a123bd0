// A view of the report as data: a title and blocks of sentences, tables and lists. Every human
// format writes the same views; a writer only decides how a heading, a row or an item looks.
// A "\n" inside a text is where the console breaks the line; other formats put a blank there.
#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace zaveredo::auswertung {

enum class Align { kLeft, kRight };

struct Column {
  std::string header{};
  Align align = Align::kLeft;
  std::string unit{};           // shown after the header in parentheses; empty: none
  std::size_t widest = 100;     // on the console: longer cells are cut and end in "…"
  bool processorLabel = false;  // on the console fitted so that the model number stays
};

// "Summe (s)"
inline std::string ColumnHeading(const Column& column) {
  return column.unit.empty() ? column.header : column.header + " (" + column.unit + ")";
}

struct Paragraph {
  std::string text{};
  // On the console: the indent of its first and of its continued lines, and whether a blank
  // line sets it apart from a paragraph before it (paragraphs in a row are lines of one block).
  std::size_t indent = 0;
  std::size_t hang = 0;
  bool apart = false;
};

struct Table {
  std::string caption{};  // may be empty
  std::vector<Column> columns{};
  std::vector<std::vector<std::string>> rows{};
  std::size_t indent = 0;  // on the console
};

struct ItemList {
  std::string intro{};  // may be empty
  std::vector<std::string> items{};
  std::size_t hang = 4;  // on the console: items stand at 2, their continued lines at `hang`
};

using Block = std::variant<Paragraph, Table, ItemList>;

// Lets a format add its own to a view (the HTML page its charts after the Übersicht).
enum class ViewKind {
  kNothing,
  kOverview,
  kComparison,
  kTypes,
  kSpread,
  kIncomplete,
  kUnreadable,
  kRecordNotes,
  kFileErrors
};

struct View {
  ViewKind kind = ViewKind::kNothing;
  std::string title{};  // may be empty
  std::vector<Block> blocks{};
};

}  // namespace zaveredo::auswertung
