#include "auswertung/views/types_view.h"

#include "auswertung/model/type_ratios.h"
#include "auswertung/views/machine_text.h"

namespace zaveredo::auswertung {
namespace {

Table MachineTypes(const Machine& machine, const NumberStyle& style) {
  Table table{"Maschine " + std::to_string(machine.number) + ": " + MachineDescriptionText(machine),
              {{"Typ", Align::kLeft, "", 8},
               {"Füllen", Align::kRight, "s", 12},
               {"zu double", Align::kRight, "", 9},
               {"Sortieren", Align::kRight, "s", 13},
               {"zu double", Align::kRight, "", 9}},
              {},
              2};
  for (int type = 0; type < kTypeCount; ++type) {
    table.rows.push_back({std::string(TypeName(type)),
                          TimeText(machine.times[FillPhase(type)], style),
                          RatioText(RelativeToDouble(machine, FillPhase(type)), style),
                          TimeText(machine.times[SortPhase(type)], style),
                          RatioText(RelativeToDouble(machine, SortPhase(type)), style)});
  }
  return table;
}

}  // namespace

View TypesView(const Report& report, const NumberStyle& style) {
  View view{ViewKind::kTypes,
            "Datentypen: Zeit jedes Typs geteilt durch die Zeit von double auf derselben Maschine",
            {Paragraph{"(unter 1 ist der Typ schneller als double)."}}};
  for (const Machine& machine : report.machines) {
    view.blocks.emplace_back(MachineTypes(machine, style));
  }
  return view;
}

}  // namespace zaveredo::auswertung
