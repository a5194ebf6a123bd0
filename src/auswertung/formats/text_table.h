// Columns aligned for a console of 100 characters, widths counted in characters: a column is
// as wide as its widest cell, at most `widest`; a processor label is fitted, other texts cut.
#pragma once

#include <string>
#include <vector>

#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

class TextTable {
 public:
  explicit TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}
  void AddRow(std::vector<std::string> cells);
  // Header and rows, each line indented by `indent` and ending in "\n".
  std::string Render(std::size_t indent = 0) const;

 private:
  std::vector<Column> columns_;
  std::vector<std::vector<std::string>> rows_;
};

// The text broken at blanks into lines of at most `width` characters (a longer word stands
// alone); lines after the first are indented by `indent`. Ends in "\n".
std::string WrappedText(const std::string& text, std::size_t width, std::size_t indent);

// The text cut to at most `width` characters, the last one "…" when it was cut.
std::string CutText(const std::string& text, std::size_t width);

}  // namespace zaveredo::auswertung
