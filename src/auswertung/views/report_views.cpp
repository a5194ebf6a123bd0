#include "auswertung/views/report_views.h"

#include "auswertung/views/comparison_view.h"
#include "auswertung/views/overview_view.h"
#include "auswertung/views/record_lists_view.h"
#include "auswertung/views/spread_view.h"
#include "auswertung/views/types_view.h"

namespace zaveredo::auswertung {

std::vector<View> ReportViews(const Report& report, const NumberStyle& style) {
  std::vector<View> views;
  if (report.machines.empty()) {
    views.push_back({ViewKind::kNothing,
                     "",
                     {Paragraph{"Kein vollständiger Datensatz, also kein Vergleich."}}});
  } else if (report.types) {
    views.push_back(TypesView(report, style));
  } else {
    if (!report.comparisonAsked) views.push_back(OverviewView(report, style));
    if (report.compared) views.push_back(ComparisonView(report, style));
    if (auto spread = SpreadView(report, style)) views.push_back(std::move(*spread));
  }
  for (View& list : RecordListViews(report)) views.push_back(std::move(list));
  return views;
}

}  // namespace zaveredo::auswertung
