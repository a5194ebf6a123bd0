// The views in a markup language: a markup only says how a heading, a paragraph, a table's
// head and rows and a list look; the walk over the views is the same for all.
#pragma once

#include <string>
#include <vector>

#include "auswertung/views/table_model.h"

namespace zaveredo::auswertung {

// The texts a markup gets are whole: no console line breaks, no ":" ending a heading. Each
// markup escapes them itself.
class Markup {
 public:
  virtual ~Markup() = default;
  virtual std::string Heading(const std::string& text, int level) const = 0;
  virtual std::string Text(const std::string& text) const = 0;
  // The header row and whatever divides it from the rows.
  virtual std::string TableHead(const std::vector<Column>& columns) const = 0;
  virtual std::string TableRow(const std::vector<Column>& columns,
                               const std::vector<std::string>& cells) const = 0;
  virtual std::string TableEnd() const = 0;
  virtual std::string List(const std::vector<std::string>& items) const = 0;
};

// A view's title as a heading of level 2, a table's caption of level 3.
std::string MarkupView(const View& view, const Markup& markup);

}  // namespace zaveredo::auswertung
