#include "auswertung/formats/text_format.h"

#include "auswertung/formats/text_table.h"
#include "auswertung/views/report_views.h"

namespace zaveredo::auswertung {
namespace {

// Each "\n" of the text starts a line of its own; each line is broken at blanks.
std::string Lines(const std::string& text, std::size_t indent, std::size_t hang) {
  std::string out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    out +=
        WrappedText(std::string(indent, ' ') + text.substr(start, end - start), kLineWidth, hang);
    if (end == std::string::npos) return out;
    start = end + 1;
  }
}

struct BlockText {
  std::string operator()(const Paragraph& p) const { return Lines(p.text, p.indent, p.hang); }
  std::string operator()(const Table& t) const {
    TextTable table(t.columns);
    for (const auto& row : t.rows) table.AddRow(row);
    const std::string caption = t.caption.empty() ? "" : Lines(t.caption, 0, t.indent);
    return caption + table.Render(t.indent);
  }
  std::string operator()(const ItemList& l) const {
    std::string out = l.intro.empty() ? "" : Lines(l.intro, 0, 0);
    for (const std::string& item : l.items) out += Lines(item, 2, l.hang);
    return out;
  }
};

// A paragraph follows a paragraph or the title directly unless it is set apart, and so does a
// list the title; everything else is set apart by a blank line.
bool BlankBefore(const Block* previous, const Block& block) {
  const auto* paragraph = std::get_if<Paragraph>(&block);
  if (previous == nullptr) return std::holds_alternative<Table>(block);
  if (paragraph != nullptr && std::holds_alternative<Paragraph>(*previous)) return paragraph->apart;
  return true;
}

// A text of a record reaches a terminal: its control characters (C0, DEL and C1) are shown as
// "?", so that none moves the cursor, clears the screen or changes the colours. The report's
// own line ends stay.
std::string ControlsShown(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1) ++i;
    out += (byte < 0x20 && byte != '\n') || byte == 0x7F || c1 ? '?' : text[i];
  }
  return out;
}

// One view: its title, then its blocks; a blank line around each table and list, none between
// the lines of a paragraph block.
std::string ViewText(const View& view) {
  std::string out = view.title.empty() ? "" : Lines(view.title, 0, 0);
  const Block* previous = nullptr;
  for (const Block& block : view.blocks) {
    if ((previous != nullptr || !view.title.empty()) && BlankBefore(previous, block)) out += "\n";
    out += std::visit(BlockText{}, block);
    previous = &block;
  }
  return out;
}

}  // namespace

std::string TextReport(const Report& report, const NumberStyle& style) {
  std::string out;
  for (const View& view : ReportViews(report, style)) {
    out += (out.empty() ? "" : "\n") + ViewText(view);
  }
  return ControlsShown(out);
}

}  // namespace zaveredo::auswertung
