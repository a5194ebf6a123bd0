// Columns aligned for a console of 100 characters, widths counted in characters.
#pragma once

#include <string>
#include <vector>

namespace zaveredo::auswertung {

enum class Align { kLeft, kRight };

struct Column {
  std::string header;
  Align align = Align::kLeft;
  std::size_t widest = 100;  // longer cells are cut and end in "…"
};

class TextTable {
 public:
  explicit TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}
  void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
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
