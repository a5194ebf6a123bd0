#include "driver/phase_line.h"

#include "driver/statements.h"
#include "driver/texts.h"

namespace zaveredo {

void ShowFillTime(TextStream& console, const PhaseTimes& fill, const Separators& separators) {
  Print(console, {TimeText(fill, separators), DriverText(TextId::kSecondsSuffix),
                  DriverText(TextId::kPhaseSeparator)});
}

void AnnounceSort(TextStream& console) {
  Print(console, {DriverText(TextId::kSortLabel)});
}

void ShowSortTime(TextStream& console, const PhaseTimes& sort, const Separators& separators) {
  PrintLine(console, {TimeText(sort, separators), DriverText(TextId::kSecondsSuffix)});
}

}  // namespace zaveredo
