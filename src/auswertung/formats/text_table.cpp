#include "auswertung/formats/text_table.h"

#include <algorithm>

#include "auswertung/read/text_decoding.h"
#include "auswertung/views/processor_label.h"

namespace zaveredo::auswertung {
namespace {

constexpr const char* kGap = "  ";

std::string Padded(const std::string& text, std::size_t width, Align align) {
  const std::size_t length = CharacterCount(text);
  const std::string fill(width > length ? width - length : 0, ' ');
  return align == Align::kLeft ? text + fill : fill + text;
}

void AppendLine(std::string& out, std::size_t indent, const std::vector<std::string>& cells,
                const std::vector<Column>& columns, const std::vector<std::size_t>& widths) {
  std::string line(indent, ' ');
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) line += kGap;
    const std::string cell = i < cells.size() ? CutText(cells[i], widths[i]) : "";
    line += Padded(cell, widths[i], columns[i].align);
  }
  line.erase(line.find_last_not_of(' ') + 1);
  out += line + "\n";
}

}  // namespace

std::string CutText(const std::string& text, std::size_t width) {
  if (CharacterCount(text) <= width) return text;
  if (width == 0) return "";
  std::size_t kept = 0, end = 0;
  while (end < text.size()) {
    std::size_t next = end + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    if (++kept > width - 1) break;
    end = next;
  }
  return text.substr(0, end) + "…";
}

std::string WrappedText(const std::string& text, std::size_t width, std::size_t indent) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return text + "\n";
  std::string out, line(start, ' ');
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    const bool started = line.find_first_not_of(' ') != std::string::npos;
    if (started && CharacterCount(line) + 1 + CharacterCount(word) > width) {
      out += line + "\n";
      line = std::string(indent, ' ');
    } else if (started) {
      line += ' ';
    }
    line += word;
    start = end + 1;
  }
  return out + line + "\n";
}

void TextTable::AddRow(std::vector<std::string> cells) {
  for (std::size_t i = 0; i < columns_.size() && i < cells.size(); ++i) {
    if (columns_[i].processorLabel) cells[i] = FittedProcessorLabel(cells[i], columns_[i].widest);
  }
  rows_.push_back(std::move(cells));
}

std::string TextTable::Render(std::size_t indent) const {
  std::vector<std::size_t> widths;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    std::size_t width = CharacterCount(ColumnHeading(columns_[i]));
    for (const auto& row : rows_) {
      if (i < row.size()) width = std::max(width, CharacterCount(row[i]));
    }
    widths.push_back(std::min(width, columns_[i].widest));
  }
  std::vector<std::string> headers;
  for (const Column& column : columns_) headers.push_back(ColumnHeading(column));
  std::string out;
  AppendLine(out, indent, headers, columns_, widths);
  for (const auto& row : rows_) AppendLine(out, indent, row, columns_, widths);
  return out;
}

}  // namespace zaveredo::auswertung
