#include "auswertung/formats/formats.h"
#include "auswertung/formats/heat_map.h"
#include "auswertung/formats/html_text.h"
#include "auswertung/formats/markup.h"
#include "auswertung/formats/svg_chart.h"
#include "auswertung/views/processor_label.h"
#include "auswertung/views/report_views.h"

namespace zaveredo::auswertung {
namespace {

// Printable, readable at 1280 px, and nothing loaded from elsewhere. The colours are the
// Okabe–Ito palette's; sorts are hatched, so that fill and sort differ in more than colour.
constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 2em auto; max-width: 1240px; color: #222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.6em; } h3 { font-size: 1em; }
table { border-collapse: collapse; font-size: 0.9em; }
th, td { border-bottom: 1px solid #ccc; padding: 0.25em 0.6em; text-align: left; }
th { white-space: nowrap; }
td.zahl, th.zahl { text-align: right; font-variant-numeric: tabular-nums; }
div.breit { overflow-x: auto; }
table.waerme { font-size: 10px; }
table.waerme th, table.waerme td { padding: 1px; border: 1px solid #fff; text-align: center; }
table.waerme th.name { text-align: left; }
table.waerme td { font-variant-numeric: tabular-nums; }
svg.diagramm { display: block; max-width: 100%; height: auto; margin: 0.8em 0; }
svg.muster { position: absolute; width: 0; height: 0; }
svg text { font-family: sans-serif; font-size: 13px; fill: #222; }
svg text.titel { font-size: 15px; font-weight: bold; }
svg text.wert { font-size: 12px; }
.gitter { stroke: #ddd; stroke-width: 1; }
.achslinie { stroke: #444; stroke-width: 1.2; }
.bezug { stroke: #000; stroke-width: 1.5; stroke-dasharray: 4 3; }
.index { fill: #009e73; }
.fuellen { fill: #e69f00; }
.sortieren { fill: url(#schraffur); stroke: #0072b2; stroke-width: 1; }
.typen { display: grid; grid-template-columns: 1fr; }
@media print { body { margin: 0; max-width: none; } svg.diagramm { break-inside: avoid; } }
</style>
)";

// The hatching of the sort bars, defined once for every chart of the page.
constexpr const char* kPatterns =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"muster\" aria-hidden=\"true\"><defs>"
    "<pattern id=\"schraffur\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\" "
    "patternTransform=\"rotate(45)\"><rect width=\"8\" height=\"8\" fill=\"#0072b2\"/>"
    "<rect width=\"3\" height=\"8\" fill=\"#ffffff\"/></pattern></defs></svg>\n";

class HtmlMarkup : public Markup {
 public:
  std::string Heading(const std::string& text, int level) const override {
    const std::string tag = "h" + std::to_string(level);
    return "<" + tag + ">" + HtmlEscaped(text) + "</" + tag + ">\n";
  }
  std::string Text(const std::string& text) const override {
    return "<p>" + HtmlEscaped(text) + "</p>\n";
  }
  std::string TableHead(const std::vector<Column>& columns) const override {
    std::string row = "<table>\n<tr>";
    for (const Column& column : columns) {
      row += Opening("th", column) + HtmlEscaped(ColumnHeading(column)) + "</th>";
    }
    return row + "</tr>\n";
  }
  std::string TableRow(const std::vector<Column>& columns,
                       const std::vector<std::string>& cells) const override {
    std::string row = "<tr>";
    for (std::size_t i = 0; i < columns.size(); ++i) {
      row += Opening("td", columns[i]) + HtmlEscaped(i < cells.size() ? cells[i] : "") + "</td>";
    }
    return row + "</tr>\n";
  }
  std::string TableEnd() const override { return "</table>\n"; }
  std::string List(const std::vector<std::string>& items) const override {
    std::string out = "<ul>\n";
    for (const std::string& item : items) out += "<li>" + HtmlEscaped(item) + "</li>\n";
    return out + "</ul>\n";
  }

 private:
  static std::string Opening(const char* tag, const Column& column) {
    return std::string("<") + tag + (column.align == Align::kRight ? " class=\"zahl\">" : ">");
  }
};

// The chart cuts its labels at 40 characters: the processor label is fitted into what is left
// beside a number of up to three digits, so that its model number stays.
std::string BarLabel(const Machine& machine) {
  return "Nr. " + std::to_string(machine.number) + " " +
         FittedProcessorLabel(ProcessorLabel(machine.description.processor), 32);
}

std::string IndexSvg(const Report& report, const NumberStyle& style) {
  IndexChart chart;
  chart.title = "Geschwindigkeitsindex je Maschine";
  chart.axisTitle =
      "Index (Basis Nr. " + std::to_string(report.baseline) + " = 1, über 1 ist schneller)";
  for (int number : report.ranking) {
    chart.bars.push_back(
        {BarLabel(report.MachineNumber(number)), report.ComparisonOf(number).geomean});
  }
  return IndexChartSvg(chart, style);
}

std::string TypeSvg(const Report& report, int type, const NumberStyle& style) {
  GroupedChart chart;
  chart.title = std::string(TypeName(type)) + ": Füllen und Sortieren je Maschine";
  chart.axisTitle = "Zeit (s)";
  chart.series = {{"Füllen", "fuellen", {}}, {"Sortieren (schraffiert)", "sortieren", {}}};
  for (const Machine& m : report.machines) {
    chart.groups.push_back("Nr. " + std::to_string(m.number));
    chart.series[0].values.push_back(m.times[FillPhase(type)]);
    chart.series[1].values.push_back(m.times[SortPhase(type)]);
  }
  return GroupedChartSvg(chart, style);
}

std::string TypeCharts(const Report& report, const NumberStyle& style) {
  std::string out =
      "<h2>Zeiten je Datentyp</h2>\n<p>Mediane der Läufe in Sekunden; kürzer ist "
      "schneller.</p>\n<div class=\"typen\">\n";
  for (int type = 0; type < kTypeCount; ++type) out += TypeSvg(report, type, style);
  return out + "</div>\n";
}

}  // namespace

std::string HtmlReport(const Report& report, const NumberStyle& style) {
  const HtmlMarkup markup;
  std::string body;
  bool overview = false;
  for (const View& view : ReportViews(report, style)) {
    body += MarkupView(view, markup);
    if (view.kind != ViewKind::kOverview) continue;
    overview = true;
    body += IndexSvg(report, style) + HeatMapHtml(report, style);
  }
  if (overview) body += TypeCharts(report, style);
  return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>Auswertung zaveredo2</title>\n" +
         std::string(kStyle) + "</head>\n<body>\n" + kPatterns +
         "<h1>Auswertung der Datensätze von zaveredo2</h1>\n" + body + "</body>\n</html>\n";
}

}  // namespace zaveredo::auswertung
