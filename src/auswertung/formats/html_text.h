// Text placed into HTML and SVG.
#pragma once

#include <string>

namespace zaveredo::auswertung {

// &, <, >, " and ' as character references.
std::string HtmlEscaped(const std::string& text);

// A number for an SVG coordinate: locale-free, two decimals at most.
std::string Coordinate(double value);

}  // namespace zaveredo::auswertung
