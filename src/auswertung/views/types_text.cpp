#include "auswertung/formats/text_table.h"
#include "auswertung/model/type_ratios.h"
#include "auswertung/views/machine_text.h"
#include "auswertung/views/text_views.h"

namespace zaveredo::auswertung {
namespace {

std::string MachineTypes(const Machine& machine, const NumberStyle& style) {
  TextTable table({{"Typ", Align::kLeft, 8},
                   {"Füllen (s)", Align::kRight, 12},
                   {"zu double", Align::kRight, 9},
                   {"Sortieren (s)", Align::kRight, 13},
                   {"zu double", Align::kRight, 9}});
  for (int type = 0; type < kTypeCount; ++type) {
    table.AddRow({std::string(TypeName(type)), TimeText(machine.times[FillPhase(type)], style),
                  RatioText(RelativeToDouble(machine, FillPhase(type)), style),
                  TimeText(machine.times[SortPhase(type)], style),
                  RatioText(RelativeToDouble(machine, SortPhase(type)), style)});
  }
  return WrappedText(
             "Maschine " + std::to_string(machine.number) + ": " + MachineDescriptionText(machine),
             kLineWidth, 2) +
         table.Render(2);
}

}  // namespace

std::string TypesText(const Report& report, const NumberStyle& style) {
  std::string out =
      "Datentypen: Zeit jedes Typs geteilt durch die Zeit von double auf derselben Maschine\n"
      "(unter 1 ist der Typ schneller als double).\n";
  for (const Machine& machine : report.machines) out += "\n" + MachineTypes(machine, style);
  return out;
}

}  // namespace zaveredo::auswertung
