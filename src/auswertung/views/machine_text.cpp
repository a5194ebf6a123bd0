#include "auswertung/views/machine_text.h"

namespace zaveredo::auswertung {

std::string MachineDescriptionText(const Machine& machine) {
  const MachineDescription& d = machine.description;
  const long long processors = d.processors.value_or(0);
  std::string text = d.vendor.empty() ? "" : d.vendor + " ";
  text += d.processor + ", " + std::to_string(processors) +
          (processors == 1 ? " Prozessor, " : " Prozessoren, ") + d.os;
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
