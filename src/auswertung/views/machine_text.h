// Short texts about machines and records that several views share.
#pragma once

#include <string>

#include "auswertung/model/machines.h"
#include "auswertung/model/report.h"

namespace zaveredo::auswertung {

// "AuthenticAMD AMD EPYC/…, 2 Prozessoren, Windows XP Service Pack 3"
std::string MachineDescriptionText(const Machine& machine);

// "ABC, XY": the initials of its runs.
std::string InitialsText(const Machine& machine);

// "Maschine 2" or "Basis" for the baseline.
std::string MachineName(const Report& report, int number);

// The note on phases of 0,0000 left out of the geometric means; empty when there were none.
std::string ZeroPhasesNote(const Report& report);

}  // namespace zaveredo::auswertung
