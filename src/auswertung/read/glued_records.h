// Results files end without a line break, so files joined with `cat a b` or `copy a+b` put the
// first record of one file on the last line of the other. Such a line is cut back into its
// records where one record's times end and the next one's description begins.
#pragma once

#include <string_view>
#include <vector>

namespace zaveredo::auswertung {

// The records of one line, in order: one part for a line of one record. A record cut short
// before the next one may end inside a time; that piece of a time is left out of both.
std::vector<std::string_view> SplitGluedRecords(std::string_view line);

}  // namespace zaveredo::auswertung
