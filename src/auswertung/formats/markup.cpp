#include "auswertung/formats/markup.h"

namespace zaveredo::auswertung {
namespace {

std::string Whole(std::string text) {
  for (char& c : text) c = c == '\n' ? ' ' : c;
  return text;
}

std::string HeadingText(const std::string& text) {
  std::string whole = Whole(text);
  if (!whole.empty() && whole.back() == ':') whole.pop_back();
  return whole;
}

struct BlockMarkup {
  const Markup& markup;
  std::string operator()(const Paragraph& p) const { return markup.Text(Whole(p.text)); }
  std::string operator()(const Table& t) const {
    std::string out = t.caption.empty() ? "" : markup.Heading(HeadingText(t.caption), 3);
    out += markup.TableHead(t.columns);
    for (const auto& row : t.rows) out += markup.TableRow(t.columns, row);
    return out + markup.TableEnd();
  }
  std::string operator()(const ItemList& l) const {
    std::vector<std::string> items;
    for (const std::string& item : l.items) items.push_back(Whole(item));
    return (l.intro.empty() ? "" : markup.Text(Whole(l.intro))) + markup.List(items);
  }
};

}  // namespace

std::string MarkupView(const View& view, const Markup& markup) {
  std::string out = view.title.empty() ? "" : markup.Heading(HeadingText(view.title), 2);
  for (const Block& block : view.blocks) out += std::visit(BlockMarkup{markup}, block);
  return out;
}

}  // namespace zaveredo::auswertung
