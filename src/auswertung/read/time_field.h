// A time field: seconds with exactly four decimals, in the separators of either locale the
// benchmark may have run under.
#pragma once

#include <optional>
#include <string_view>

namespace zaveredo::auswertung {

enum class Separators {
  kGerman,   // 1.234,5678
  kEnglish,  // 1,234.5678
};

struct TimeField {
  long long tenThousandths = 0;  // exact: 1,2345 s is 12345
  Separators separators = Separators::kGerman;
  double Seconds() const { return static_cast<double>(tenThousandths) / 10000.0; }
};

// The separator before the last four digits is the decimal one; the other may group the whole
// seconds in threes. Anything else is not a time.
std::optional<TimeField> ParseTimeField(std::string_view text);

// Whether the text is a whole number without sign or separators (fields 3 and 4).
std::optional<long long> ParseWholeNumber(std::string_view text);

}  // namespace zaveredo::auswertung
