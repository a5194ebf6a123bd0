#include "auswertung/views/machine_text.h"

namespace zaveredo::auswertung {

std::string MachineDescription(const Machine& machine) {
  std::string text = machine.vendor.empty() ? "" : machine.vendor + " ";
  text += machine.processor + ", " + std::to_string(machine.processors) +
          (machine.processors == 1 ? " Prozessor, " : " Prozessoren, ") + machine.os;
  return text;
}

std::string InitialsText(const Machine& machine) {
  std::string text;
  for (const std::string& initials : machine.initials) {
    if (!text.empty()) text += ", ";
    text += initials;
  }
  return text;
}

std::string MachineName(const Report& report, int number) {
  return number == report.baseline ? "Basis" : "Maschine " + std::to_string(number);
}

std::string ZeroPhasesNote(const Report& report) {
  std::string machines;
  int phases = 0;
  for (const Comparison& comparison : report.comparisons) {
    if (comparison.zeroPhases == 0 || comparison.machine == report.baseline) continue;
    phases += comparison.zeroPhases;
    machines += (machines.empty() ? "" : ", ") + std::to_string(comparison.machine);
  }
  if (phases == 0) return "";
  return "Hinweis: " + std::to_string(phases) + (phases == 1 ? " Phase" : " Phasen") +
         " mit der Zeit null (kürzer als ein Schritt der Uhr, bei der Basis oder bei Maschine " +
         machines + ") " + (phases == 1 ? "blieb" : "blieben") +
         " im geometrischen Mittel unberücksichtigt.";
}

}  // namespace zaveredo::auswertung
