// A results file's bytes as its records: the text ends at the first byte 26, records are
// separated by CR LF (or LF), and empty records are left out.
#pragma once

#include <string_view>
#include <vector>

namespace zaveredo::auswertung {

std::vector<std::string_view> SplitRecordLines(std::string_view bytes);

}  // namespace zaveredo::auswertung
