// Bar charts as inline SVG, with axes, tick labels and units; every bar is a
// <rect class="balken ...">, so a reader of the page can count them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "auswertung/views/number_text.h"

namespace zaveredo::auswertung {

struct Bar {
  std::string label;            // shown beside the bar
  std::optional<double> value;  // none: no bar, "–" as its value
};

struct IndexChart {
  std::string title;
  std::string axisTitle;
  std::vector<Bar> bars;  // one row each, top to bottom
  double reference = 1;   // a vertical line marks it
};

// Horizontal bars.
std::string IndexChartSvg(const IndexChart& chart, const NumberStyle& style);

struct Series {
  std::string name;            // in the legend
  std::string cssClass;        // colour of its bars
  std::vector<double> values;  // one per group
};

struct GroupedChart {
  std::string title;
  std::string axisTitle;            // of the value axis, with its unit
  std::vector<std::string> groups;  // one label per group of bars
  std::vector<Series> series;
};

// Vertical bars, one group per label, one bar per series in each group.
std::string GroupedChartSvg(const GroupedChart& chart, const NumberStyle& style);

// The tick step of an axis from 0 to at least `largest`: 1, 2 or 5 times a power of ten.
double TickStep(double largest);

}  // namespace zaveredo::auswertung
