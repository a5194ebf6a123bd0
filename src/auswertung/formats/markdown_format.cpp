#include "auswertung/formats/formats.h"
#include "auswertung/formats/markup.h"
#include "auswertung/views/report_views.h"

namespace zaveredo::auswertung {
namespace {

// Record texts are data, never markup: a "|" would end the cell, a line break the table, and
// "<" or "&" would reach a viewer as HTML.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '|':
      case '\\':
        out += '\\';
        out += c;
        break;
      case '<':
        out += "&lt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '\r':
      case '\n':
        out += ' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Row(const std::vector<std::string>& cells) {
  std::string line = "|";
  for (const std::string& cell : cells) line += " " + Escaped(cell) + " |";
  return line + "\n";
}

class MarkdownMarkup : public Markup {
 public:
  std::string Heading(const std::string& text, int level) const override {
    return std::string(static_cast<std::size_t>(level), '#') + " " + Escaped(text) + "\n\n";
  }
  std::string Text(const std::string& text) const override { return Escaped(text) + "\n\n"; }
  std::string TableHead(const std::vector<Column>& columns) const override {
    std::vector<std::string> headers;
    std::string divider = "|";
    for (const Column& column : columns) {
      headers.push_back(ColumnHeading(column));
      divider += column.align == Align::kRight ? "---:|" : "---|";
    }
    return Row(headers) + divider + "\n";
  }
  std::string TableRow(const std::vector<Column>&,
                       const std::vector<std::string>& cells) const override {
    return Row(cells);
  }
  std::string TableEnd() const override { return "\n"; }
  std::string List(const std::vector<std::string>& items) const override {
    std::string out;
    for (const std::string& item : items) out += "- " + Escaped(item) + "\n";
    return out + "\n";
  }
};

}  // namespace

std::string MarkdownReport(const Report& report, const NumberStyle& style) {
  const MarkdownMarkup markup;
  std::string out = "# Auswertung der Datensätze von zaveredo2\n\n";
  for (const View& view : ReportViews(report, style)) out += MarkupView(view, markup);
  out.pop_back();  // the blank line after the last block
  return out;
}

}  // namespace zaveredo::auswertung
