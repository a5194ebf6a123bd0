// A short label that tells processors apart in a narrow column or on a chart axis.
#pragma once

#include <cstddef>
#include <string>

namespace zaveredo::auswertung {

// The processor name without its identifier (the part after the last "/"), without "(R)",
// "(TM)", "CPU", "Processor", the clock after "@" (the MHz column shows it), the count of
// cores ("8-Core", "Dual Core") and the generation ("12th Gen"), which the model number
// already says; blanks single. "Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz/x86 Family 6 Model 58
// Stepping 9" is "Intel Core i7-3770".
std::string ProcessorLabel(const std::string& name);

// The label fitted into `width` characters so that its end, where the model number stands,
// survives: first the brand word goes, then words from the front, marked by a leading "…".
std::string FittedProcessorLabel(const std::string& label, std::size_t width);

}  // namespace zaveredo::auswertung
