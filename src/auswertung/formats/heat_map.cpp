#include "auswertung/formats/heat_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "auswertung/formats/html_text.h"
#include "auswertung/views/processor_label.h"

namespace zaveredo::auswertung {
namespace {

using Rgb = std::array<double, 3>;

Rgb FromHex(const char* hex) {
  unsigned r = 0, g = 0, b = 0;
  std::sscanf(hex, "#%2x%2x%2x", &r, &g, &b);
  return {double(r), double(g), double(b)};
}

std::string Hex(const Rgb& rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", unsigned(std::lround(rgb[0])),
                unsigned(std::lround(rgb[1])), unsigned(std::lround(rgb[2])));
  return text;
}

// Relative luminance as contrast ratios are computed from it.
double Luminance(const Rgb& rgb) {
  const auto linear = [](double channel) {
    const double c = channel / 255;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb[0]) + 0.7152 * linear(rgb[1]) + 0.0722 * linear(rgb[2]);
}

std::string Headers() {
  std::string types = "<tr><th rowspan=\"2\">Maschine</th>";
  std::string kinds = "<tr>";
  for (int type = 0; type < kTypeCount; ++type) {
    types += "<th colspan=\"2\">" + HtmlEscaped(std::string(TypeName(type))) + "</th>";
    kinds += "<th title=\"Füllen\">F</th><th title=\"Sortieren\">S</th>";
  }
  return types + "</tr>\n" + kinds + "</tr>\n";
}

std::string Cell(const std::optional<double>& ratio, int phase, const NumberStyle& style) {
  const CellColours colours = HeatColours(ratio);
  // Two decimals keep 32 cells within the page; the tooltip has the third.
  return "<td class=\"heiss\" style=\"background:" + colours.background + ";color:" + colours.text +
         "\" title=\"" + HtmlEscaped(PhaseLabel(phase) + ": " + RatioText(ratio, style)) + "\">" +
         (ratio ? FixedText(*ratio, 2, style) : "—") + "</td>";
}

}  // namespace

CellColours HeatColours(const std::optional<double>& ratio) {
  if (!ratio || !(*ratio > 0) || !std::isfinite(*ratio)) return {"#ffffff", "#000000"};
  // In steps of 1/256, as fine as a colour channel, so that a ratio and its inverse get
  // mirrored colours whatever the last bit of the logarithm.
  const double position = std::clamp(std::round(std::log2(*ratio) * 256) / 256, -1.0, 1.0);
  const Rgb end = FromHex(position < 0 ? kSlowerColour : kFasterColour);
  Rgb mixed;
  for (std::size_t i = 0; i < 3; ++i) mixed[i] = 255 + (end[i] - 255) * std::fabs(position);
  const double luminance = Luminance(mixed);
  const bool whiteText = 1.05 / (luminance + 0.05) > (luminance + 0.05) / 0.05;
  return {Hex(mixed), whiteText ? "#ffffff" : "#000000"};
}

std::string HeatMapHtml(const Report& report, const NumberStyle& style) {
  std::string out =
      "<h2>Jede Maschine gegen die Basis, Phase für Phase</h2>\n<p>Zeit der Basis (Maschine " +
      std::to_string(report.baseline) +
      ") / Zeit der Maschine je Phase, aus den Medianen der Läufe: über 1 (blau) ist die "
      "Maschine schneller, unter 1 (orange) langsamer, je kräftiger, desto mehr, voll ab 2 und "
      "ab 0,5. F Füllen, S Sortieren; — keine Zeit über null.</p>\n"
      "<div class=\"breit\"><table class=\"waerme\">\n" +
      Headers();
  for (int number : report.ranking) {
    const Comparison& comparison = report.ComparisonOf(number);
    const Machine& machine = report.MachineNumber(number);
    out += "<tr><th class=\"name\">" +
           HtmlEscaped("Nr. " + std::to_string(number) + " " +
                       FittedProcessorLabel(ProcessorLabel(machine.description.processor), 22)) +
           "</th>";
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      out += Cell(comparison.ratios[phase], phase, style);
    }
    out += "</tr>\n";
  }
  return out + "</table></div>\n";
}

}  // namespace zaveredo::auswertung
