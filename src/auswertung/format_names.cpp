#include "auswertung/format_names.h"

namespace zaveredo::auswertung {

std::optional<Format> FormatNamed(std::string_view name) {
  for (const FormatName& entry : kFormatNames) {
    if (entry.name == name) return entry.format;
  }
  return std::nullopt;
}

std::string FormatNameList(std::string_view lastJoin, bool markDefault) {
  std::string list;
  for (std::size_t i = 0; i < kFormatNames.size(); ++i) {
    if (i > 0) list += i + 1 == kFormatNames.size() ? " " + std::string(lastJoin) + " " : ", ";
    list += kFormatNames[i].name;
    if (i == 0 && markDefault) list += " (Vorgabe)";
  }
  return list;
}

}  // namespace zaveredo::auswertung
