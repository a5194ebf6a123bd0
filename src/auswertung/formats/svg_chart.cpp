#include "auswertung/formats/svg_chart.h"

#include <algorithm>
#include <cmath>

#include "auswertung/formats/html_text.h"
#include "auswertung/formats/text_table.h"
#include "auswertung/read/text_decoding.h"

namespace zaveredo::auswertung {
namespace {

constexpr double kWidth = 960;
constexpr double kWidestBar = 56;

struct Axis {
  double end;   // the value at the far end of the axis
  double step;  // between ticks
};

Axis AxisFor(double largest) {
  const double step = TickStep(largest);
  return {std::max(step, std::ceil(largest / step - 1e-9) * step), step};
}

// Enough decimals to tell the ticks apart: steps of 0,05 need two.
int TickDecimals(double step) {
  if (step >= 1) return 0;
  return step >= 0.1 ? 1 : 2;
}

std::string Text(double x, double y, const std::string& cssClass, const std::string& anchor,
                 const std::string& text, const std::string& extra = "") {
  return "<text class=\"" + cssClass + "\" x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) +
         "\" text-anchor=\"" + anchor + "\"" + extra + ">" + HtmlEscaped(text) + "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const std::string& cssClass) {
  return "<line class=\"" + cssClass + "\" x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) +
         "\" x2=\"" + Coordinate(x2) + "\" y2=\"" + Coordinate(y2) + "\"/>\n";
}

std::string Rect(double x, double y, double width, double height, const std::string& cssClass,
                 const std::string& tooltip) {
  return "<rect class=\"" + cssClass + "\" x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) +
         "\" width=\"" + Coordinate(width) + "\" height=\"" + Coordinate(height) + "\"><title>" +
         HtmlEscaped(tooltip) + "</title></rect>\n";
}

std::string Open(double height, const std::string& title) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"diagramm\" viewBox=\"0 0 " +
         Coordinate(kWidth) + " " + Coordinate(height) + "\" width=\"" + Coordinate(kWidth) +
         "\" height=\"" + Coordinate(height) + "\" role=\"img\" aria-label=\"" +
         HtmlEscaped(title) + "\">\n" + Text(kWidth / 2, 22, "titel", "middle", title);
}

double LargestOf(const std::vector<Bar>& bars, double floor) {
  double largest = floor;
  for (const Bar& bar : bars) largest = std::max(largest, bar.value.value_or(0));
  return largest;
}

// Horizontal value axis: grid, tick labels and the axis title below.
std::string HorizontalAxis(const Axis& axis, double left, double width, double top, double bottom,
                           const std::string& title, const NumberStyle& style) {
  std::string out;
  const int decimals = TickDecimals(axis.step);
  for (double value = 0; value <= axis.end + axis.step / 2; value += axis.step) {
    const double x = left + width * value / axis.end;
    out += Line(x, top, x, bottom, "gitter");
    out += Text(x, bottom + 18, "achse", "middle", FixedText(value, decimals, style));
  }
  out += Line(left, bottom, left + width, bottom, "achslinie");
  out += Line(left, top, left, bottom, "achslinie");
  return out + Text(left + width / 2, bottom + 40, "achsentitel", "middle", title);
}

// Vertical value axis: grid, tick labels, and the axis title turned upright.
std::string VerticalAxis(const Axis& axis, double left, double width, double top, double height,
                         const std::string& title, const NumberStyle& style) {
  std::string out;
  const int decimals = TickDecimals(axis.step);
  const double bottom = top + height;
  for (double value = 0; value <= axis.end + axis.step / 2; value += axis.step) {
    const double y = bottom - height * value / axis.end;
    out += Line(left, y, left + width, y, "gitter");
    out += Text(left - 6, y + 4, "achse", "end", FixedText(value, decimals, style));
  }
  out += Line(left, bottom, left + width, bottom, "achslinie");
  out += Line(left, top, left, bottom, "achslinie");
  const double x = 18, y = top + height / 2;
  return out + Text(x, y, "achsentitel", "middle", title,
                    " transform=\"rotate(-90 " + Coordinate(x) + " " + Coordinate(y) + ")\"");
}

std::string Legend(const std::vector<Series>& series, double left, double y) {
  std::string out;
  double x = left;
  for (const Series& s : series) {
    out += "<rect class=\"legende " + s.cssClass + "\" x=\"" + Coordinate(x) + "\" y=\"" +
           Coordinate(y - 10) + "\" width=\"12\" height=\"12\"/>\n";
    out += Text(x + 18, y, "achse", "start", s.name);
    x += 30 + 9.0 * static_cast<double>(s.name.size());
  }
  return out;
}

// Many machines leave too little room under each group for its label: then every second,
// fifth or tenth one is labelled, so that none overlap.
std::size_t LabelEvery(const std::vector<std::string>& labels, double room) {
  std::size_t longest = 1;
  for (const std::string& label : labels) longest = std::max(longest, CharacterCount(label));
  const double needed = 7.5 * static_cast<double>(longest) + 6;
  for (std::size_t every : {1, 2, 5, 10, 20, 50}) {
    if (room * static_cast<double>(every) >= needed) return every;
  }
  return 100;
}

}  // namespace

double TickStep(double largest) {
  if (!(largest > 0) || !std::isfinite(largest)) return 1;
  const double rough = largest / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

std::string IndexChartSvg(const IndexChart& chart, const NumberStyle& style) {
  constexpr double left = 300, right = 70, top = 40, row = 28, bar = 18;
  const double width = kWidth - left - right;
  const double bottom = top + row * static_cast<double>(chart.bars.size()) + 8;
  const Axis axis = AxisFor(LargestOf(chart.bars, chart.reference) * 1.05);
  std::string out = Open(bottom + 52, chart.title);
  out += HorizontalAxis(axis, left, width, top, bottom, chart.axisTitle, style);
  for (std::size_t i = 0; i < chart.bars.size(); ++i) {
    const Bar& b = chart.bars[i];
    const double y = top + 4 + row * static_cast<double>(i);
    out += Text(left - 8, y + bar - 4, "beschriftung", "end", CutText(b.label, 40));
    const std::string value = RatioText(b.value, style);
    const double length = b.value ? width * *b.value / axis.end : 0;
    if (b.value) out += Rect(left, y, length, bar, "balken index", b.label + ": " + value);
    out += Text(left + length + 6, y + bar - 4, "wert", "start", value);
  }
  const double x = left + width * chart.reference / axis.end;
  out += Line(x, top - 4, x, bottom, "bezug");
  return out + "</svg>\n";
}

std::string GroupedChartSvg(const GroupedChart& chart, const NumberStyle& style) {
  constexpr double left = 80, right = 20, top = 56, height = 220;
  const double width = kWidth - left - right;
  double largest = 0;
  for (const Series& s : chart.series) {
    for (double v : s.values) largest = std::max(largest, v);
  }
  const Axis axis = AxisFor(largest * 1.05);
  std::string out = Open(top + height + 44, chart.title) + Legend(chart.series, left, 44);
  out += VerticalAxis(axis, left, width, top, height, chart.axisTitle, style);
  const double group = width / static_cast<double>(std::max<std::size_t>(chart.groups.size(), 1));
  const double seriesCount = static_cast<double>(std::max<std::size_t>(chart.series.size(), 1));
  // Few machines get bars of a readable width, not bars as wide as the chart.
  const double bar = std::min(group * 0.8 / seriesCount, kWidestBar);
  const std::size_t labelEvery = LabelEvery(chart.groups, group);
  for (std::size_t g = 0; g < chart.groups.size(); ++g) {
    const double start = left + group * (static_cast<double>(g) + 0.5) - bar * seriesCount / 2;
    for (std::size_t s = 0; s < chart.series.size(); ++s) {
      const double value = chart.series[s].values.at(g);
      const double length = height * value / axis.end;
      out += Rect(
          start + bar * static_cast<double>(s), top + height - length, bar, length,
          "balken " + chart.series[s].cssClass,
          chart.groups[g] + ", " + chart.series[s].name + ": " + TimeText(value, style) + " s");
    }
    if (g % labelEvery == 0) {
      out += Text(start + bar * seriesCount / 2, top + height + 18, "achse", "middle",
                  chart.groups[g]);
    }
  }
  return out + "</svg>\n";
}

}  // namespace zaveredo::auswertung
